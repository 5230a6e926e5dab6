#include "dpi_win.h"

namespace varnomel {

namespace {

using DpiForWindow = UINT(WINAPI*)(HWND);
using DpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int EFFECTIVE_DPI = 0;

template <typename Function>
Function lookUp(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryW(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

}  // namespace

int systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

int dpiOfWindow(HWND window) {
    // Windows 10 1607 and later.
    static const auto forWindow = lookUp<DpiForWindow>(L"user32.dll", "GetDpiForWindow");
    if (forWindow) {
        const UINT dpi = forWindow(window);
        if (dpi > 0) return static_cast<int>(dpi);
    }
    // Windows 8.1.
    static const auto forMonitor = lookUp<DpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (forMonitor && forMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), EFFECTIVE_DPI, &x, &y) == S_OK &&
        y > 0) {
        return static_cast<int>(y);
    }
    return systemDpi();
}

}  // namespace varnomel
