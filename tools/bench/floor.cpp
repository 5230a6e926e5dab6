// The floor the program is measured against: the same 39 windows at the
// form's places, bare. Plain statics and a group box of the system's classes,
// with the form's texts and visibility; no icons, no colours, no config.ini,
// no layering. Built by the same toolchain, with the same manifest request
// for common controls 6.
#include <windows.h>

#include <string>

#include "form_layout.h"

namespace {

using namespace varnomel;

std::wstring wideFromGbk(const char* gbk) {
    wchar_t text[256] = {};
    MultiByteToWideChar(936, 0, gbk, -1, text, 255);
    return text;
}

LRESULT CALLBACK floorProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND createChild(const ControlSpec& entry, HWND parent, HINSTANCE instance) {
    const bool groupBox = entry.kind == ControlKind::GroupBox;
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (groupBox ? BS_GROUPBOX : SS_LEFT) |
                        (entry.shownAtStart ? WS_VISIBLE : 0);
    return CreateWindowExW(0, groupBox ? L"BUTTON" : L"STATIC", wideFromGbk(entry.text).c_str(), style,
                           entry.rect.left, entry.rect.top, entry.rect.width, entry.rect.height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)), instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = floorProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"VarnomelFloor";
    RegisterClassExW(&windowClass);
    const DesignRect& r = form::WINDOW_RECT;
    HWND window = CreateWindowExW(WS_EX_TOPMOST, windowClass.lpszClassName, L"", WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                                  r.width, r.height, nullptr, nullptr, instance, nullptr);
    HWND panel = nullptr;
    for (const ControlSpec& entry : form::controls()) {
        HWND child = createChild(entry, entry.parent == ParentWindow::Panel ? panel : window, instance);
        if (entry.kind == ControlKind::GroupBox) panel = child;
    }
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
