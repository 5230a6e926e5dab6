#include "window_base.h"

namespace varnomel {

void WindowBase::registerClass(HINSTANCE instance, const ClassLook& look) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, look.name, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    // A control that changes size draws itself anew. The second press of a
    // double click comes as a double click, which does nothing.
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = look.cursor;
    windowClass.hbrBackground = look.background;
    windowClass.hIcon = look.icon;
    windowClass.hIconSm = look.smallIcon;
    windowClass.lpszClassName = look.name;
    RegisterClassExW(&windowClass);
}

HWND WindowBase::create(HINSTANCE instance, const wchar_t* className, const Placement& placement) {
    HMENU id = placement.parent ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(placement.id)) : nullptr;
    return CreateWindowExW(placement.exStyle, className, L"", placement.style, placement.left, placement.top,
                           placement.width, placement.height, placement.parent, id, instance, this);
}

LRESULT WindowBase::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK WindowBase::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<WindowBase*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    const LRESULT result = self->handleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace varnomel
