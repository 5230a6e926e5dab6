#include <gtest/gtest.h>

#include <limits>

#include "pointer_drag.h"

namespace varnomel {
namespace {

constexpr std::int32_t MAX = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t MIN = std::numeric_limits<std::int32_t>::min();

TEST(PointerDrag, AMoveShiftsTheCornerByThePointersWayAndKeepsTheSize) {
    const PointerDrag drag(DragKind::Move, {100, 200, 375, 380}, {120, 210});
    EXPECT_EQ(drag.follow({120, 210}), (ScreenRect{100, 200, 375, 380})) << "no way, no move";
    EXPECT_EQ(drag.follow({270, 320}), (ScreenRect{250, 310, 375, 380}));
    EXPECT_EQ(drag.follow({0, -50}), (ScreenRect{-20, -60, 375, 380})) << "off the left and top edges";
}

TEST(PointerDrag, AResizeMovesTheBottomRightCornerAndKeepsTheTopLeft) {
    const PointerDrag drag(DragKind::ResizeFromBottomRight, {50, 60, 500, 400}, {540, 70});
    EXPECT_EQ(drag.follow({665, 160}), (ScreenRect{50, 60, 625, 490}));
    // Smaller than the minimum is left to the size-change handler.
    EXPECT_EQ(drag.follow({40, -400}), (ScreenRect{50, 60, 0, -70}));
}

TEST(PointerDrag, FarValuesStopAtTheEndsOfThirtyTwoBits) {
    const PointerDrag move(DragKind::Move, {MAX - 5, MIN + 5, 375, 380}, {0, 0});
    EXPECT_EQ(move.follow({100, -100}), (ScreenRect{MAX, MIN, 375, 380}));
    const PointerDrag resize(DragKind::ResizeFromBottomRight, {0, 0, MAX, 380}, {MIN, 0});
    EXPECT_EQ(resize.follow({MAX, 0}).width, MAX);
}

}  // namespace
}  // namespace varnomel
