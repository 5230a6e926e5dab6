#include "pointer_drag.h"

#include <algorithm>
#include <limits>

namespace varnomel {

namespace {

std::int32_t shifted(std::int32_t value, std::int32_t from, std::int32_t to) {
    const std::int64_t moved = std::int64_t{value} + (std::int64_t{to} - from);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(moved, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

ScreenRect PointerDrag::follow(ScreenPoint pointer) const {
    ScreenRect window = start_;
    if (kind_ == DragKind::Move) {
        window.left = shifted(start_.left, pressedAt_.x, pointer.x);
        window.top = shifted(start_.top, pressedAt_.y, pointer.y);
    } else {
        window.width = shifted(start_.width, pressedAt_.x, pointer.x);
        window.height = shifted(start_.height, pressedAt_.y, pointer.y);
    }
    return window;
}

}  // namespace varnomel
