// A restored window whose drag handle lies on no monitor could never be
// dragged back: such a window is moved onto the nearest work area.
#pragma once

#include <cstdint>
#include <vector>

namespace varnomel {

// Left, top, width and height in pixels.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

inline bool operator==(const ScreenRect& a, const ScreenRect& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

// `window` in screen coordinates, `handle` relative to the window's top-left
// corner, `workAreas` in screen coordinates. While some pixel of the handle
// lies in some work area, the window is returned as it is. Otherwise it keeps
// its size and is moved into the work area nearest to the handle (the first
// listed of equally near ones); along an axis where it is larger than that
// area, its edge is put on the area's left or top edge. Along an axis where it
// is shorter than the far edge of its handle, even negative, the handle is
// what is moved into the area. Empty work areas are
// passed over; with an empty handle or no work area left the window is
// returned as it is.
ScreenRect reachableWindow(const ScreenRect& window, const ScreenRect& handle,
                           const std::vector<ScreenRect>& workAreas);

}  // namespace varnomel
