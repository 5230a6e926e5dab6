// The events of the window and its controls that the program may answer.
#pragma once

#include "reachable_position.h"

namespace varnomel {

enum class MouseButton { Left, Right };

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    virtual void sizeChanged() = 0;
    virtual void destroying() = 0;
    virtual void commandChosen(int command) = 0;
    // A button went down on a control, before the control processes it.
    virtual void pressed(int controlId, MouseButton button) = 0;
    // The window went to a display of another DPI; the system suggests `suggested` for it.
    virtual void displayScaleChanged(int dpi, const ScreenRect& suggested) = 0;
};

// Told where the pointer is, in screen coordinates, while a control holds the
// mouse after a press, until the left button is released.
class PointerFollower {
public:
    virtual ~PointerFollower() = default;
    virtual void pointerMoved(int screenX, int screenY) = 0;
};

}  // namespace varnomel
