#include "work_areas_win.h"

#include <windows.h>

namespace varnomel {
namespace {

BOOL CALLBACK addWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<ScreenRect>*>(areas)->push_back(
            {r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    return TRUE;
}

}  // namespace

std::vector<ScreenRect> monitorWorkAreas() {
    std::vector<ScreenRect> areas;
    ::EnumDisplayMonitors(nullptr, nullptr, addWorkArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

}  // namespace varnomel
