#include "window_drag.h"

#include <windowsx.h>

namespace varnomel {

void WindowDrag::start(DragKind kind, Control& pressed) {
    const DWORD pressedAt = GetMessagePos();
    drag_.emplace(kind, window_.geometry(), ScreenPoint{GET_X_LPARAM(pressedAt), GET_Y_LPARAM(pressedAt)});
    pressed.followPointer(*this);
}

void WindowDrag::pointerMoved(int screenX, int screenY) {
    if (!drag_) return;
    const ScreenRect target = drag_->follow({screenX, screenY});
    if (target == window_.geometry()) return;
    if (drag_->kind() == DragKind::Move) {
        window_.moveTo(target.left, target.top);
    } else {
        window_.setSize(target.width, target.height);
    }
}

}  // namespace varnomel
