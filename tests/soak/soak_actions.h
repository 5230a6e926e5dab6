// The user's actions of the soak, each as real input to the running overlay,
// and each waiting until the overlay has visibly done it. They report what went
// wrong as text, empty when all went well.
#pragma once

#include <windows.h>

#include <string>

#include "overlay_process.h"

namespace varnomel::soak {

// A left press and release on base item `item` (1..9) of the top row; the
// panel must change from shown to hidden or back.
std::string pressItem(const e2e::OverlayProcess& overlay, int item);

// The panel's nine rows must show the effect texts of `item`'s recipes.
std::string checkRows(const e2e::OverlayProcess& overlay, int item);

// A right press on the handle opens the context menu; Escape closes it.
// `secondPresses` counts the menus that opened only on a second right press.
std::string openAndEscapeMenu(const e2e::OverlayProcess& overlay, int& secondPresses);

// Chooses the menu's second item, which shows the resize grip.
std::string turnOnResizeMode(const e2e::OverlayProcess& overlay);

// A left drag of the handle by (dx, dy): the window must follow, keeping its size.
std::string dragHandle(const e2e::OverlayProcess& overlay, long dx, long dy);

// A left drag of the grip by (dx, dy): the window must grow or shrink by as
// much, keeping its top-left corner.
std::string dragGrip(const e2e::OverlayProcess& overlay, long dx, long dy);

// Whether the overlay's thread answers a message within five seconds.
bool answers(const e2e::OverlayProcess& overlay);

}  // namespace varnomel::soak
