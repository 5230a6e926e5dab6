// What dragging the handle or the grip does with the window: from the press
// on, the window's top-left corner (a move) or its bottom-right corner (a
// resize) goes as far as the pointer has gone.
#pragma once

#include <cstdint>

#include "reachable_position.h"

namespace varnomel {

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

enum class DragKind { Move, ResizeFromBottomRight };

class PointerDrag {
public:
    PointerDrag(DragKind kind, const ScreenRect& window, ScreenPoint pressedAt)
        : kind_(kind), start_(window), pressedAt_(pressedAt) {}

    DragKind kind() const { return kind_; }
    // The window's rectangle with the pointer at `pointer`; values past the
    // range of 32 bits stop at its ends.
    ScreenRect follow(ScreenPoint pointer) const;

private:
    DragKind kind_;
    ScreenRect start_;
    ScreenPoint pressedAt_;
};

}  // namespace varnomel
