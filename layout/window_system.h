// What the layout needs of the window system, so that the layout arithmetic
// runs against a stand-in as well as against user32.
#pragma once

#include <cstdint>

namespace varnomel {

// A window's handle; 0 is no window.
using WindowHandle = std::uintptr_t;

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// `insertAfter` of setWindowPos: put the window below all of its siblings.
constexpr WindowHandle INSERT_AT_BOTTOM = 1;
// A flag of setWindowPos: keep the window's size, ignoring cx and cy.
constexpr unsigned KEEP_SIZE = 1;

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // The window's outer rectangle in screen coordinates. Leaves `rect` as
    // it was when the window does not exist.
    virtual void getWindowRect(WindowHandle window, Rect& rect) = 0;
    // Converts `point` from screen coordinates to the client coordinates of `window`.
    virtual void screenToClient(WindowHandle window, Point& point) = 0;
    // Places `control` at (x, y) in its parent's client coordinates with size
    // cx × cy (unless `flags` holds KEEP_SIZE), stacked after `insertAfter`.
    virtual void setWindowPos(WindowHandle control, WindowHandle insertAfter, int x, int y, int cx,
                              int cy, unsigned flags) = 0;
    // The window whose client area `control` lies in; 0 when it has none.
    virtual WindowHandle parentOf(WindowHandle control) = 0;
};

}  // namespace varnomel
