#include "win32_window_system.h"

namespace varnomel {

void Win32WindowSystem::getWindowRect(WindowHandle window, Rect& rect) {
    RECT outer;
    if (!GetWindowRect(toHwnd(window), &outer)) return;  // a failed call leaves `rect` as it was
    rect = {outer.left, outer.top, outer.right, outer.bottom};
}

void Win32WindowSystem::screenToClient(WindowHandle window, Point& point) {
    POINT converted{point.x, point.y};
    ScreenToClient(toHwnd(window), &converted);
    point = {converted.x, converted.y};
}

void Win32WindowSystem::setWindowPos(WindowHandle control, WindowHandle insertAfter, int x, int y, int cx, int cy,
                                     unsigned flags) {
    const UINT windowFlags = (flags & KEEP_SIZE) ? SWP_NOSIZE : 0;
    SetWindowPos(toHwnd(control), toHwnd(insertAfter), x, y, cx, cy, windowFlags);
}

WindowHandle Win32WindowSystem::parentOf(WindowHandle control) {
    HWND parent = GetAncestor(toHwnd(control), GA_PARENT);
    return parent == GetDesktopWindow() ? 0 : toWindowHandle(parent);
}

}  // namespace varnomel
