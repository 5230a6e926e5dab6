// The layout's window operations carried out by user32.
#pragma once

#include <windows.h>

#include "window_system.h"

namespace varnomel {

inline WindowHandle toWindowHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }
inline HWND toHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

class Win32WindowSystem : public WindowSystem {
public:
    void getWindowRect(WindowHandle window, Rect& rect) override;
    void screenToClient(WindowHandle window, Point& point) override;
    void setWindowPos(WindowHandle control, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override;
    WindowHandle parentOf(WindowHandle control) override;
};

}  // namespace varnomel
