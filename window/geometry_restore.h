// Where the window goes at start-up: the saved geometry applied to the
// window's current rectangle.
#pragma once

#include "geometry_file.h"
#include "reachable_position.h"

namespace varnomel {

// Left and top are always taken; a width or height of -1 keeps the current one.
ScreenRect restoredRect(const ScreenRect& current, const GeometrySettings& saved);

// The drag handle's rectangle relative to the window's top-left corner.
ScreenRect handleRectInWindow();

}  // namespace varnomel
