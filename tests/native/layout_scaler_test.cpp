#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <limits>
#include <map>
#include <ostream>
#include <vector>

#include "display_scale.h"
#include "layout_scaler.h"
#include "scale_arithmetic.h"

namespace varnomel {

bool operator==(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
std::ostream& operator<<(std::ostream& out, const Rect& r) {
    return out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}
bool operator==(const ScaledControl& a, const ScaledControl& b) {
    return a.control == b.control && a.mode == b.mode && a.left == b.left && a.top == b.top &&
           a.width == b.width && a.height == b.height && a.ownerWindow == b.ownerWindow;
}
std::ostream& operator<<(std::ostream& out, const ScaledControl& c) {
    return out << "{control " << c.control << ", mode " << static_cast<int>(c.mode) << ", " << c.left << ", "
               << c.top << ", " << c.width << " x " << c.height << ", owner " << c.ownerWindow << "}";
}

namespace {

// One setWindowPos call as the window system saw it.
struct Placement {
    WindowHandle control;
    WindowHandle insertAfter;
    int x, y, cx, cy;
    unsigned flags;

    bool operator==(const Placement& o) const {
        return control == o.control && insertAfter == o.insertAfter && x == o.x && y == o.y && cx == o.cx &&
               cy == o.cy && flags == o.flags;
    }
};
std::ostream& operator<<(std::ostream& out, const Placement& p) {
    return out << "{control " << p.control << " after " << p.insertAfter << ": " << p.x << ", " << p.y << ", "
               << p.cx << " x " << p.cy << ", flags " << p.flags << "}";
}

Placement atBottom(WindowHandle control, int x, int y, int cx, int cy, unsigned flags = 0) {
    return {control, INSERT_AT_BOTTOM, x, y, cx, cy, flags};
}

Rect sized(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// Frameless windows whose client area is their outer rectangle. Each window's
// rectangle is kept in its parent's client coordinates, so a child moves on
// screen with its parent, and each parent keeps its children's stacking
// order, top first.
class FakeWindows : public WindowSystem {
public:
    std::vector<Placement> placements;

    void create(WindowHandle window, WindowHandle parent, Rect inParent) {
        windows_[window] = {parent, inParent};
        stacking_[parent].push_back(window);
    }
    void resize(WindowHandle window, int width, int height) {
        Rect& rect = windows_.at(window).inParent;
        rect = sized(rect.left, rect.top, width, height);
    }
    Rect screenRect(WindowHandle window) {
        Rect rect;
        getWindowRect(window, rect);
        return rect;
    }
    const std::vector<WindowHandle>& childrenTopFirst(WindowHandle parent) { return stacking_[parent]; }

    void getWindowRect(WindowHandle window, Rect& rect) override {
        if (!exists(window)) return;
        const Window& w = windows_.at(window);
        const Point origin = clientOrigin(w.parent);
        rect = {origin.x + w.inParent.left, origin.y + w.inParent.top, origin.x + w.inParent.right,
                origin.y + w.inParent.bottom};
    }
    void screenToClient(WindowHandle window, Point& point) override {
        if (!exists(window)) return;
        const Point origin = clientOrigin(window);
        point = {point.x - origin.x, point.y - origin.y};
    }
    void setWindowPos(WindowHandle control, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override {
        placements.push_back({control, insertAfter, x, y, cx, cy, flags});
        if (!exists(control)) return;
        Window& w = windows_.at(control);
        const bool keepSize = (flags & KEEP_SIZE) != 0;
        w.inParent = sized(x, y, keepSize ? w.inParent.right - w.inParent.left : cx,
                           keepSize ? w.inParent.bottom - w.inParent.top : cy);
        if (insertAfter == INSERT_AT_BOTTOM) moveToBottom(control, w.parent);
    }
    WindowHandle parentOf(WindowHandle control) override {
        return exists(control) ? windows_.at(control).parent : 0;
    }

private:
    struct Window {
        WindowHandle parent;
        Rect inParent;
    };
    std::map<WindowHandle, Window> windows_;
    std::map<WindowHandle, std::vector<WindowHandle>> stacking_;

    bool exists(WindowHandle window) const { return windows_.count(window) != 0; }
    Point clientOrigin(WindowHandle window) {
        if (!exists(window)) return {};
        const Window& w = windows_.at(window);
        const Point parentOrigin = clientOrigin(w.parent);
        return {parentOrigin.x + w.inParent.left, parentOrigin.y + w.inParent.top};
    }
    void moveToBottom(WindowHandle control, WindowHandle parent) {
        std::vector<WindowHandle>& siblings = stacking_[parent];
        siblings.erase(std::find(siblings.begin(), siblings.end(), control));
        siblings.push_back(control);
    }
};

constexpr WindowHandle MAIN = 100;
constexpr WindowHandle GROUP_BOX = 200;
constexpr WindowHandle NO_SUCH_WINDOW = 999;
constexpr int DESIGN_WIDTH = 375;
constexpr int DESIGN_HEIGHT = 380;

// The main window at its design size somewhere on the screen, and a scaler.
class LayoutScalerTest : public ::testing::Test {
protected:
    FakeWindows windows;
    LayoutScaler scaler{windows};

    void SetUp() override { windows.create(MAIN, 0, sized(200, 150, DESIGN_WIDTH, DESIGN_HEIGHT)); }
    void resizeAndRescale(int width, int height) {
        windows.resize(MAIN, width, height);
        scaler.rescale();
    }
};

struct Size {
    int width, height;
};

// Binds a fresh window of `reference` size, registers one child of it at
// `design`, then resizes the window to `current` and rescales once.
std::vector<Placement> rescaledOnce(Size reference, Size current, Rect design, ScaleMode mode) {
    FakeWindows windows;
    windows.create(MAIN, 0, sized(-40, 30, reference.width, reference.height));
    windows.create(1, MAIN, design);
    LayoutScaler scaler(windows);
    scaler.bindWindow(MAIN);
    scaler.addControl(1, mode);
    windows.resize(MAIN, current.width, current.height);
    scaler.rescale();
    return windows.placements;
}

TEST(LayoutScaler, UnboundWithoutRecordsChangesNothing) {
    FakeWindows windows;
    windows.create(MAIN, 0, sized(0, 0, DESIGN_WIDTH, DESIGN_HEIGHT));
    LayoutScaler scaler(windows);
    scaler.rescale();
    EXPECT_EQ(scaler.boundWindow(), 0u);
    EXPECT_EQ(scaler.referenceRect(), Rect{});
    EXPECT_TRUE(scaler.controls().empty());
    EXPECT_TRUE(windows.placements.empty());
}

TEST_F(LayoutScalerTest, BindingTakesTheWindowsOuterRectangle) {
    scaler.bindWindow(MAIN);
    EXPECT_EQ(scaler.boundWindow(), MAIN);
    EXPECT_EQ(scaler.referenceRect(), sized(200, 150, DESIGN_WIDTH, DESIGN_HEIGHT));
}

TEST_F(LayoutScalerTest, RecordsEachControlInItsOwnParentsClientArea) {
    windows.create(1, MAIN, sized(88, 0, 32, 32));
    windows.create(GROUP_BOX, MAIN, sized(8, 40, 359, 312));
    windows.create(2, GROUP_BOX, sized(16, 272, 32, 32));
    scaler.bindWindow(MAIN);
    scaler.addControl(1);
    scaler.addControl(2, ScaleMode::MoveVertical);
    scaler.addControl(GROUP_BOX);
    const std::vector<ScaledControl> expected = {
        {1, ScaleMode::ScaleAll, 88, 0, 32, 32, MAIN},
        {2, ScaleMode::MoveVertical, 16, 272, 32, 32, MAIN},
        {GROUP_BOX, ScaleMode::ScaleAll, 8, 40, 359, 312, MAIN},
    };
    EXPECT_EQ(scaler.controls(), expected);
}

TEST_F(LayoutScalerTest, AWindowlessControlRecordsTheScreenOriginInTheBoundWindow) {
    scaler.bindWindow(MAIN);
    scaler.addControl(NO_SUCH_WINDOW);
    const ScaledControl expected{NO_SUCH_WINDOW, ScaleMode::ScaleAll, -200, -150, 0, 0, MAIN};
    EXPECT_EQ(scaler.controls().at(0), expected);
}

TEST_F(LayoutScalerTest, AtTheReferenceSizeEveryControlGetsItsRecordedRectangle) {
    windows.create(1, MAIN, sized(88, 0, 32, 32));
    windows.create(2, MAIN, sized(-7, -3, 400, 1));
    windows.create(GROUP_BOX, MAIN, sized(8, 40, 359, 312));
    windows.create(3, GROUP_BOX, sized(16, 272, 32, 32));
    scaler.bindWindow(MAIN);
    for (WindowHandle control : {1, 2, 3}) scaler.addControl(control);
    scaler.addControl(GROUP_BOX, ScaleMode::MoveBoth);
    scaler.rescale();
    const std::vector<Placement> expected = {
        atBottom(1, 88, 0, 32, 32),
        atBottom(2, -7, -3, 400, 1),
        atBottom(3, 16, 272, 32, 32),
        atBottom(GROUP_BOX, 8, 40, 359, 312, KEEP_SIZE),
    };
    EXPECT_EQ(windows.placements, expected);
}

// Products are truncated toward zero, never rounded; every quotient and
// product is rounded to double once, on the 32-bit build as on the 64-bit one.
TEST(LayoutScaler, ScaledValuesAreTruncatedTowardZero) {
    struct Case {
        const char* what;
        Size reference, current;
        Rect design;
        Placement expected;
    };
    const Case cases[] = {
        {"thirds", {375, 380}, {500, 500}, sized(88, 0, 32, 32), atBottom(1, 117, 0, 42, 42)},
        {"1.4 × 360 falls just short of 504", {375, 380}, {525, 380}, sized(0, 0, 360, 20),
         atBottom(1, 0, 0, 503, 20)},
        {"negative toward zero", {100, 100}, {130, 100}, sized(-7, 5, 10, 10), atBottom(1, -9, 5, 13, 10)},
        {"halving", {750, 760}, {375, 380}, sized(-9, 7, 33, 3), atBottom(1, -4, 3, 16, 1)},
        // An x87 quotient, rounded to 64 bits first, comes out one unit low here.
        {"quotient rounded once", {2051, 380}, {2473, 380}, sized(0, 0, 2051, 20), atBottom(1, 0, 0, 2473, 20)},
        // An x87 product, rounded to 64 bits first, reaches 14343 here.
        {"product rounded once", {300, 380}, {420, 380}, sized(0, 0, 10245, 20), atBottom(1, 0, 0, 14342, 20)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(rescaledOnce(c.reference, c.current, c.design, ScaleMode::ScaleAll),
                  std::vector<Placement>{c.expected});
    }
}

TEST(LayoutScaler, EachModeScalesItsOwnAxesAndSizes) {
    struct Case {
        ScaleMode mode;
        Placement expected;
    };
    // Three times as wide, half as high.
    const Case cases[] = {
        {ScaleMode::ScaleAll, atBottom(1, 30, 10, 90, 20)},
        {ScaleMode::MoveBoth, atBottom(1, 30, 10, 90, 20, KEEP_SIZE)},
        {ScaleMode::ScaleHorizontal, atBottom(1, 30, 20, 90, 40)},
        {ScaleMode::MoveHorizontal, atBottom(1, 30, 20, 90, 40, KEEP_SIZE)},
        {ScaleMode::ScaleVertical, atBottom(1, 10, 10, 30, 20)},
        {ScaleMode::MoveVertical, atBottom(1, 10, 10, 30, 20, KEEP_SIZE)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        EXPECT_EQ(rescaledOnce({100, 200}, {300, 100}, sized(10, 20, 30, 40), c.mode),
                  std::vector<Placement>{c.expected});
    }
}

TEST_F(LayoutScalerTest, OtherModesAreKeptAndNeverMove) {
    const int others[] = {6, -1, std::numeric_limits<std::int32_t>::min()};
    windows.create(1, MAIN, sized(10, 20, 30, 40));
    windows.create(2, MAIN, sized(50, 60, 70, 80));
    scaler.bindWindow(MAIN);
    for (int mode : others) scaler.addControl(1, static_cast<ScaleMode>(mode));
    scaler.addControl(2);
    resizeAndRescale(2 * DESIGN_WIDTH, 2 * DESIGN_HEIGHT);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(static_cast<int>(scaler.controls().at(i).mode), others[i]);
    EXPECT_EQ(windows.placements, std::vector<Placement>{atBottom(2, 100, 120, 140, 160)});
}

TEST(LayoutScaler, AZeroReferenceSizeSendsThatAxisToZero) {
    struct Case {
        const char* what;
        Size reference, current;
        ScaleMode mode;
        Placement expected;
    };
    const Case cases[] = {
        {"infinite ratio", {0, 380}, {375, 380}, ScaleMode::ScaleAll, atBottom(1, 0, 20, 0, 40)},
        {"ratio not a number", {0, 380}, {0, 380}, ScaleMode::ScaleAll, atBottom(1, 0, 20, 0, 40)},
        {"design axis unaffected", {0, 380}, {375, 380}, ScaleMode::ScaleVertical, atBottom(1, -7, 20, 30, 40)},
        {"vertical", {375, 0}, {375, 380}, ScaleMode::MoveBoth, atBottom(1, -7, 0, 30, 0, KEEP_SIZE)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(rescaledOnce(c.reference, c.current, sized(-7, 20, 30, 40), c.mode),
                  std::vector<Placement>{c.expected});
    }
}

TEST_F(LayoutScalerTest, UnboundWithRecordsScalesEveryValueToZero) {
    windows.create(1, MAIN, sized(10, 20, 30, 40));
    scaler.addControl(1);
    scaler.addControl(1, ScaleMode::ScaleHorizontal);
    scaler.addControl(1, ScaleMode::MoveVertical);
    scaler.rescale();
    const std::vector<Placement> expected = {
        atBottom(1, 0, 0, 0, 0),
        atBottom(1, 0, 20, 0, 40),
        atBottom(1, 10, 0, 30, 0, KEEP_SIZE),
    };
    EXPECT_EQ(windows.placements, expected);
}

TEST_F(LayoutScalerTest, AControlRegisteredTwiceIsPlacedTwiceAndTheLaterRecordWins) {
    windows.create(1, MAIN, sized(10, 20, 30, 40));
    windows.create(2, MAIN, sized(50, 60, 70, 80));
    scaler.bindWindow(MAIN);
    scaler.addControl(1);
    scaler.addControl(2);
    scaler.addControl(1, ScaleMode::MoveHorizontal);
    resizeAndRescale(2 * DESIGN_WIDTH, 2 * DESIGN_HEIGHT);
    const std::vector<Placement> expected = {
        atBottom(1, 20, 40, 60, 80),
        atBottom(2, 100, 120, 140, 160),
        atBottom(1, 20, 20, 60, 40, KEEP_SIZE),
    };
    EXPECT_EQ(windows.placements, expected);
    EXPECT_EQ(windows.screenRect(1), sized(200 + 20, 150 + 20, 60, 80));
    EXPECT_EQ(windows.childrenTopFirst(MAIN), (std::vector<WindowHandle>{2, 1}));
}

TEST_F(LayoutScalerTest, BindingAgainKeepsTheRecordsAndFollowsTheNewWindow) {
    constexpr WindowHandle OTHER = 300;
    windows.create(OTHER, 0, sized(500, 500, 2 * DESIGN_WIDTH, 2 * DESIGN_HEIGHT));
    windows.create(1, MAIN, sized(10, 20, 30, 40));
    scaler.bindWindow(MAIN);
    scaler.addControl(1);
    const std::vector<ScaledControl> records = scaler.controls();
    scaler.bindWindow(OTHER);
    EXPECT_EQ(scaler.boundWindow(), OTHER);
    EXPECT_EQ(scaler.referenceRect(), windows.screenRect(OTHER));
    EXPECT_EQ(scaler.controls(), records);
    windows.resize(OTHER, 3 * DESIGN_WIDTH, 4 * DESIGN_HEIGHT);
    scaler.rescale();
    EXPECT_EQ(windows.placements, std::vector<Placement>{atBottom(1, 15, 40, 45, 80)});
}

TEST_F(LayoutScalerTest, RescaleStacksRegisteredControlsBelowTheirSiblingsInRegistrationOrder) {
    constexpr WindowHandle DRAG_LABEL = 10, FIRST_ICON = 11, SECOND_ICON = 12, GRIP = 13;
    constexpr WindowHandle PANEL_ICON = 21, PANEL_TEXT = 22, PANEL_SPARE = 23;
    windows.create(GROUP_BOX, MAIN, sized(8, 40, 359, 312));
    windows.create(GRIP, MAIN, sized(340, 0, 35, 28));
    windows.create(SECOND_ICON, MAIN, sized(120, 0, 32, 32));
    windows.create(FIRST_ICON, MAIN, sized(88, 0, 32, 32));
    windows.create(DRAG_LABEL, MAIN, sized(0, 0, 54, 28));
    windows.create(PANEL_TEXT, GROUP_BOX, sized(90, 10, 260, 30));
    windows.create(PANEL_ICON, GROUP_BOX, sized(10, 10, 32, 32));
    windows.create(PANEL_SPARE, GROUP_BOX, sized(0, 0, 1, 1));
    scaler.bindWindow(MAIN);
    for (WindowHandle control : {FIRST_ICON, SECOND_ICON, PANEL_ICON, GRIP, PANEL_TEXT, GROUP_BOX}) {
        scaler.addControl(control);
    }
    resizeAndRescale(500, 500);
    EXPECT_EQ(windows.childrenTopFirst(MAIN),
              (std::vector<WindowHandle>{DRAG_LABEL, FIRST_ICON, SECOND_ICON, GRIP, GROUP_BOX}));
    EXPECT_EQ(windows.childrenTopFirst(GROUP_BOX), (std::vector<WindowHandle>{PANEL_SPARE, PANEL_ICON, PANEL_TEXT}));
}

// The panel's controls are children of the group box, and setWindowPos places
// them within it: their records must be in the group box's coordinates too, or
// the ninth row is pushed out of the panel.
TEST_F(LayoutScalerTest, APanelControlLandsAtItsScaledPlaceInsideTheGroupBox) {
    constexpr WindowHandle NINTH_ROW_ICON = 27;
    windows.create(GROUP_BOX, MAIN, sized(8, 40, 359, 312));
    windows.create(NINTH_ROW_ICON, GROUP_BOX, sized(16, 272, 32, 32));
    scaler.bindWindow(MAIN);
    scaler.addControl(NINTH_ROW_ICON);
    scaler.addControl(GROUP_BOX);
    for (const Size size : {Size{DESIGN_WIDTH, DESIGN_HEIGHT}, Size{2 * DESIGN_WIDTH, 2 * DESIGN_HEIGHT}}) {
        const int factor = size.width / DESIGN_WIDTH;
        SCOPED_TRACE(factor);
        resizeAndRescale(size.width, size.height);
        const Rect panel = windows.screenRect(GROUP_BOX);
        EXPECT_EQ(panel, sized(200 + 8 * factor, 150 + 40 * factor, 359 * factor, 312 * factor));
        EXPECT_EQ(windows.screenRect(NINTH_ROW_ICON),
                  sized(panel.left + 16 * factor, panel.top + 272 * factor, 32 * factor, 32 * factor));
    }
}

TEST_F(LayoutScalerTest, ACopyIsAnIndependentScalerWithTheSameState) {
    windows.create(1, MAIN, sized(10, 20, 30, 40));
    windows.create(2, MAIN, sized(50, 60, 70, 80));
    scaler.bindWindow(MAIN);
    scaler.addControl(1);
    LayoutScaler copy(scaler);
    LayoutScaler assigned(windows);
    assigned = scaler;
    scaler.addControl(2);
    scaler.bindWindow(0);
    for (LayoutScaler* duplicate : {&copy, &assigned}) {
        EXPECT_EQ(duplicate->boundWindow(), MAIN);
        EXPECT_EQ(duplicate->referenceRect(), sized(200, 150, DESIGN_WIDTH, DESIGN_HEIGHT));
        EXPECT_EQ(duplicate->controls(), std::vector<ScaledControl>{scaler.controls().at(0)});
    }
    windows.resize(MAIN, 2 * DESIGN_WIDTH, 2 * DESIGN_HEIGHT);
    copy.rescale();
    EXPECT_EQ(windows.placements, std::vector<Placement>{atBottom(1, 20, 40, 60, 80)});
}

TEST(LayoutArithmetic, RatiosAreCorrectlyRoundedQuotients) {
    struct Case {
        double current, reference, expected;
    };
    const Case cases[] = {
        {500, 375, 1.3333333333333333},
        {500, 380, 1.3157894736842106},
        {525, 375, 1.4},
        // Rounded to a 64-bit mantissa first, this one would end in ...523 instead.
        {2473, 2051, 1.2057532910775233},
    };
    for (const Case& c : cases) {
        const double ratio = sizeRatio(c.current, c.reference);
        EXPECT_EQ(ratio, c.expected) << std::setprecision(17) << c.current << " / " << c.reference << " gave " << ratio;
    }
}

TEST(LayoutArithmetic, ScaleValueTruncatesAndKeepsTheLow32Bits) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double twoTo63 = 9223372036854775808.0;
    constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::int32_t value;
        double ratio;
        std::int32_t expected;
    };
    const Case cases[] = {
        {7, 1.3, 9},
        {-7, 1.3, -9},
        {360, 1.4, 503},
        {int32Min, 1.0, int32Min},
        {5, nan, 0},
        {5, inf, 0},
        {-5, inf, 0},
        {0, inf, 0},
        {1, twoTo63, 0},
        {2, 1e300, 0},
        {-3, twoTo63, 0},
        {-1, twoTo63, 0},  // -2^63 itself is in range; its low 32 bits are 0
        {1, 2147483648.0, int32Min},
        {-1, 2147483649.0, 2147483647},
        {3, 1e9, -1294967296},
        {1, 4611686018427387904.0 + 25282560.0, 25282560},
        {-1, 4611686018427387904.0 + 25282560.0, -25282560},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.value << " x " << c.ratio);
        EXPECT_EQ(scaleValue(c.value, c.ratio), c.expected);
    }
}

}  // namespace
}  // namespace varnomel

namespace varnomel {
namespace {

TEST(DisplayScale, TakesEachValueAtTheDisplaysScaleRoundedAsMulDivRounds) {
    struct Case {
        int dpi;
        std::int32_t design, pixels;
    };
    const Case cases[] = {
        {96, 375, 375},  {96, -1, -1},     {144, 375, 563}, {144, 380, 570}, {144, 3, 5},
        {120, 375, 469}, {192, 32, 64},    {144, -3, -5},   {144, 0, 0},     {144, 2147483647, 2147483647},
        {144, -2147483647 - 1, -2147483647 - 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.design << " at " << c.dpi);
        EXPECT_EQ(DisplayScale(c.dpi).pixels(c.design), c.pixels);
    }
}

TEST(DisplayScale, SizesGoBackToTheSameDesignUnits) {
    for (int dpi : {96, 120, 144, 168, 192}) {
        const DisplayScale scale(dpi);
        for (std::int32_t design : {375, 380, 500, 400, 1, 10000000}) {
            EXPECT_EQ(scale.designUnits(scale.pixels(design)), design) << design << " at " << dpi;
        }
    }
    EXPECT_EQ(DisplayScale(0).dpi(), 96) << "no DPI reads as the design's";
    EXPECT_EQ(mulDivRounded(7, 3, 0), 7);
}

TEST(LayoutScaler, AChangeOfScaleKeepsTheProportionsTheWindowHad) {
    FakeWindows windows;
    windows.create(MAIN, 0, sized(10, 20, 750, 760));  // restored larger than the design size
    windows.create(1, MAIN, sized(88, 0, 32, 32));
    LayoutScaler scaler(windows);
    scaler.bindWindow(MAIN);
    scaler.addControl(1);
    windows.resize(MAIN, 1000, 760);
    scaler.rescale();
    const Rect before = windows.screenRect(1);

    scaler.changeScale(96, 144);
    windows.resize(MAIN, 1500, 1140);
    scaler.rescale();
    // Before: 88 and 32 at 1000 ÷ 750. After: 132 and 48 at 1500 ÷ 1125, the same ratio.
    EXPECT_EQ(before.left - 10, 117);
    EXPECT_EQ(windows.screenRect(1), sized(10 + 176, 20, 64, 48));

    scaler.changeScale(144, 96);
    windows.resize(MAIN, 1000, 760);
    scaler.rescale();
    EXPECT_EQ(windows.screenRect(1).right, before.right) << "and back";
}

}  // namespace
}  // namespace varnomel
