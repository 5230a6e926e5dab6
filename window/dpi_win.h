// The display's DPI as the window system gives it. Functions that newer
// systems have are looked up at run time, so the program still starts on
// Windows 7, where the system DPI is all there is.
#pragma once

#include <windows.h>

namespace varnomel {

// The DPI that the system's own fonts and metrics are made for.
int systemDpi();
// The DPI of the monitor that `window` is on.
int dpiOfWindow(HWND window);

}  // namespace varnomel
