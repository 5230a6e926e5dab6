// Drags the window by the handle and resizes it by the grip, following the
// pointer itself: the system's move and sizing loops would activate the
// window and so take the keyboard from the game beneath.
#pragma once

#include <optional>

#include "controls.h"
#include "main_window.h"
#include "pointer_drag.h"
#include "window_events.h"

namespace varnomel {

class WindowDrag : public PointerFollower {
public:
    explicit WindowDrag(MainWindow& window) : window_(window) {}

    // From a press on `pressed`, until its left button is released.
    void start(DragKind kind, Control& pressed);
    void pointerMoved(int screenX, int screenY) override;

private:
    MainWindow& window_;
    std::optional<PointerDrag> drag_;
};

}  // namespace varnomel
