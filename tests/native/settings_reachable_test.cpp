#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "reachable_position.h"

namespace varnomel {

void PrintTo(const ScreenRect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ", " << r.width << " x " << r.height << ")";
}

namespace {

const ScreenRect kHandle{0, 0, 54, 28};
const ScreenRect kScreen{0, 0, 1024, 768};
const ScreenRect kScreenAboveTaskBar{0, 0, 1024, 728};
// A second monitor to the right of the first, its top 100 pixels lower.
const ScreenRect kRightScreen{1024, 100, 800, 600};

struct ReachCase {
    const char* what;
    ScreenRect window;
    std::vector<ScreenRect> workAreas;
    ScreenRect expected;
};

const ReachCase kReachCases[] = {
    {"on screen", {100, 50, 375, 380}, {kScreen}, {100, 50, 375, 380}},
    {"one pixel left of the screen stays", {-1, 0, 375, 380}, {kScreen}, {-1, 0, 375, 380}},
    {"handle partly visible stays", {-53, -27, 375, 380}, {kScreen}, {-53, -27, 375, 380}},
    {"body visible but handle not is moved", {-54, 10, 375, 380}, {kScreen}, {0, 10, 375, 380}},
    {"far off to the bottom right", {5000, 5000, 375, 380}, {kScreen}, {649, 388, 375, 380}},
    {"far off to the top left", {-5000, -5000, 375, 380}, {kScreen}, {0, 0, 375, 380}},
    {"handle under the task bar", {300, 740, 375, 380}, {kScreenAboveTaskBar}, {300, 348, 375, 380}},
    {"handle just below the work area", {10, 728, 375, 380}, {kScreenAboveTaskBar}, {10, 348, 375, 380}},
    {"larger than the work area", {5000, -3000, 2000, 1000}, {kScreen}, {0, 0, 2000, 1000}},
    {"wider only", {-4000, 100, 1500, 380}, {kScreen}, {0, 100, 1500, 380}},
    {"two monitors: nearest is the right one", {1900, 300, 375, 380}, {kScreen, kRightScreen},
     {1449, 300, 375, 380}},
    {"two monitors: nearest is the left one", {-500, 300, 375, 380}, {kScreen, kRightScreen},
     {0, 300, 375, 380}},
    {"two monitors: handle on the second stays", {1500, 200, 375, 380}, {kScreen, kRightScreen},
     {1500, 200, 375, 380}},
    {"two monitors: above the right one, nearer the left", {1030, 20, 375, 380}, {kScreen, kRightScreen},
     {649, 20, 375, 380}},
    {"two monitors: above the right one, nearer to it", {1100, 20, 375, 380}, {kScreen, kRightScreen},
     {1100, 100, 375, 380}},
    {"monitor left of the primary", {-3000, 100, 375, 380}, {kScreen, {-1280, 0, 1280, 1024}},
     {-1280, 100, 375, 380}},
    {"no monitors", {5000, 5000, 375, 380}, {}, {5000, 5000, 375, 380}},
    {"empty work areas are passed over", {5000, 5000, 375, 380}, {{4000, 4000, 0, 0}, kScreen},
     {649, 388, 375, 380}},
    {"extreme position", {INT32_MAX, INT32_MIN, 375, 380}, {kScreen}, {649, 0, 375, 380}},
    // Sizes as read from the file, before the minimum-size rule raises them.
    {"no size, far off to the bottom right", {5000, 5000, 0, 0}, {kScreen}, {970, 740, 0, 0}},
    {"smaller than the handle, far off", {5000, 5000, 20, 10}, {kScreen}, {970, 740, 20, 10}},
    {"negative size, far off", {INT32_MAX, 1215752191, INT32_MIN, -20}, {kScreen}, {970, 740, INT32_MIN, -20}},
    {"negative size, far off to the top left", {-5000, -5000, -500, -20}, {kScreen}, {0, 0, -500, -20}},
};

void PrintTo(const ReachCase& c, std::ostream* out) { *out << c.what; }

class ReachableWindow : public testing::TestWithParam<ReachCase> {};

TEST_P(ReachableWindow, KeepsTheHandleOnAMonitor) {
    const ReachCase& c = GetParam();
    EXPECT_EQ(reachableWindow(c.window, kHandle, c.workAreas), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ReachableWindow, testing::ValuesIn(kReachCases));

TEST(ReachableWindow, UsesTheHandleRectangleWithinTheWindow) {
    // The same window whose handle sits at its right end is reachable.
    const ScreenRect window{-360, 10, 375, 380};
    EXPECT_EQ(reachableWindow(window, {321, 0, 54, 28}, {kScreen}), window);
    EXPECT_EQ(reachableWindow(window, kHandle, {kScreen}), (ScreenRect{0, 10, 375, 380}));
}

TEST(ReachableWindow, AnEmptyHandleLeavesTheWindowAlone) {
    const ScreenRect window{5000, 5000, 375, 380};
    EXPECT_EQ(reachableWindow(window, {0, 0, 0, 28}, {kScreen}), window);
}

}  // namespace
}  // namespace varnomel
