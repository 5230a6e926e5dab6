// Where the window goes at start-up, and what is stored when it ends: the
// saved geometry applied to the window's current rectangle. Sizes are stored
// in 96-DPI units and taken at the display's scale; positions are screen
// coordinates at every scale.
#pragma once

#include "display_scale.h"
#include "form_layout.h"
#include "geometry_file.h"
#include "reachable_position.h"

namespace varnomel {

// Left and top are always taken; a width or height of -1 keeps the current one.
ScreenRect restoredRect(const ScreenRect& current, const GeometrySettings& saved, const DisplayScale& scale);

// The live window as it is stored: its size in 96-DPI units, its position as it is.
GeometrySettings storedGeometry(const ScreenRect& live, const DisplayScale& scale);

// The drag handle's rectangle relative to the window's top-left corner.
ScreenRect handleRectInWindow(const DisplayScale& scale);

// A rectangle of the form in pixels at the display's scale.
DesignRect scaledRect(const DesignRect& design, const DisplayScale& scale);

}  // namespace varnomel
