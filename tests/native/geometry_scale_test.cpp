#include <gtest/gtest.h>

#include "geometry_restore.h"

namespace varnomel {
namespace {

TEST(GeometryScale, StoredSizesAreNinetySixDpiUnitsAtEveryScale) {
    const ScreenRect current{50, 50, 563, 570};  // the form's size at 144 DPI
    struct Case {
        const char* what;
        int dpi;
        GeometrySettings saved;
        ScreenRect restored;
    };
    const Case cases[] = {
        {"the design size at 150 %", 144, {375, 380, 10, 20}, {10, 20, 563, 570}},
        {"a larger window at 150 %", 144, {500, 400, -5, 7}, {-5, 7, 750, 600}},
        {"-1 keeps the current size", 144, {-1, -1, 0, 0}, {0, 0, 563, 570}},
        {"no file: 0 stays 0 for the minimum to fix", 144, {0, 0, 0, 0}, {0, 0, 0, 0}},
        {"at 100 % as before", 96, {500, 400, 3, 4}, {3, 4, 500, 400}},
        {"at 125 %", 120, {375, 380, 0, 0}, {0, 0, 469, 475}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DisplayScale scale(c.dpi);
        EXPECT_EQ(restoredRect(current, c.saved, scale), c.restored);
        if (c.saved.width > 0) {
            const GeometrySettings stored = storedGeometry(c.restored, scale);
            EXPECT_EQ(stored.width, c.saved.width) << "stored back as it was read";
            EXPECT_EQ(stored.height, c.saved.height);
            EXPECT_EQ(stored.left, c.saved.left) << "positions are screen coordinates";
        }
    }
}

TEST(GeometryScale, TheHandlesRectangleGrowsWithTheScale) {
    EXPECT_EQ(handleRectInWindow(DisplayScale(96)), (ScreenRect{0, 0, 54, 28}));
    EXPECT_EQ(handleRectInWindow(DisplayScale(144)), (ScreenRect{0, 0, 81, 42}));
    EXPECT_EQ(scaledRect({56, 0, 32, 32}, DisplayScale(192)).left, 112);
}

}  // namespace
}  // namespace varnomel
