// What the end-to-end tests do with the overlay again and again: read its
// geometry, drag its handle or grip, open its context menu and choose items.
#pragma once

#include <windows.h>

#include <ostream>

#include "input.h"
#include "overlay_process.h"

namespace varnomel::e2e {

struct Geometry {
    long left, top, width, height;
    bool operator==(const Geometry& other) const {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};

inline std::ostream& operator<<(std::ostream& out, const Geometry& g) {
    return out << g.width << " x " << g.height << " at (" << g.left << ", " << g.top << ")";
}

inline Geometry geometryOf(const OverlayProcess& overlay) {
    const RECT r = overlay.windowRect();
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline bool visible(HWND window) { return IsWindowVisible(window) != FALSE; }
inline bool topmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Drags with the left button by (dx, dy) in small steps and releases once
// `arrived` holds, or a little later if it does not get there. Under Wine a
// late motion report of the X display now and then puts an earlier step back
// after the last one: the last position is then given again.
template <typename Arrived>
void dragBy(POINT from, long dx, long dy, Arrived arrived) {
    moveMouse(from.x, from.y);
    leftButton(true);
    Sleep(100);
    constexpr int steps = 8;
    for (int step = 1; step <= steps; ++step) moveMouse(from.x + dx * step / steps, from.y + dy * step / steps);
    for (int attempt = 0; attempt < 3 && !waitUntil(arrived, 500); ++attempt) moveMouse(from.x + dx, from.y + dy);
    leftButton(false);
    Sleep(100);
}

// The items as the arrow keys reach them from an unselected menu, separators skipped.
enum class Item { AlwaysOnTop = 1, ResizeMode, DefaultSize, About, Exit };

HWND popupMenuOf(const OverlayProcess& overlay);
// The About box, a window captioned 关于; null while there is none.
HWND aboutBoxOf(const OverlayProcess& overlay);
void rightPressOnTheHandle(const OverlayProcess& overlay);
// Opens the menu by a right press on the handle; null if it did not open.
HWND openContextMenu(const OverlayProcess& overlay);
// Opens the menu and chooses `item` with the arrow keys and Return.
void choose(const OverlayProcess& overlay, Item item);
// Gives the overlay time to act on the input and messages it has been given, so
// that an effect still missing afterwards is missing for good.
void settle(const OverlayProcess& overlay);

}  // namespace varnomel::e2e
