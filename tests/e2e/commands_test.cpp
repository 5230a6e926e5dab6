// The overlay's own commands under real input: the see-through background,
// the drag handle, the context menu and each of its items, and the two
// ordinary ways out with what they leave in config.ini.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "config_text.h"
#include "form_layout.h"
#include "geometry_text.h"
#include "input.h"
#include "overlay_actions.h"
#include "overlay_process.h"
#include "screen.h"

namespace varnomel::e2e {
namespace {

constexpr int DEFAULT_WIDTH = 375;
constexpr int DEFAULT_HEIGHT = 380;
constexpr COLORREF MAGENTA = RGB(255, 0, 255);
constexpr std::uint32_t MAGENTA_PIXEL = rgb(255, 0, 255);

long widthOf(const RECT& r) { return r.right - r.left; }

POINT cursorPosition() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return cursor;
}

// --- See-through background ---------------------------------------------------

class SeeThroughCheck {
public:
    SeeThroughCheck(const OverlayProcess& overlay, const Backdrop& backdrop) : overlay_(overlay), backdrop_(backdrop) {}

    void expectSeeThrough(const char* what, POINT point) const {
        SCOPED_TRACE(what);
        const bool panelShown = visible(overlay_.control(form::GROUP_BOX_1));
        EXPECT_TRUE(pumpUntil([&] { return pixelAt(point) == MAGENTA_PIXEL; })) << "the window beneath shows";
        const int presses = backdrop_.leftPresses();
        clickThroughTheScreen(point.x, point.y);
        EXPECT_TRUE(pumpUntil([&] { return backdrop_.leftPresses() == presses + 1; })) << "the click reaches it";
        EXPECT_EQ(visible(overlay_.control(form::GROUP_BOX_1)), panelShown);
    }

    void expectAnIconTakesTheClick(POINT icon, bool panelShownAfter) const {
        EXPECT_NE(pixelAt(icon), MAGENTA_PIXEL);
        const int presses = backdrop_.leftPresses();
        clickThroughTheScreen(icon.x, icon.y);
        EXPECT_TRUE(pumpUntil([&] { return visible(overlay_.control(form::GROUP_BOX_1)) == panelShownAfter; }));
        EXPECT_EQ(backdrop_.leftPresses(), presses) << "the window beneath got the icon's click";
    }

private:
    const OverlayProcess& overlay_;
    const Backdrop& backdrop_;
};

TEST(SeeThrough, TheBackgroundShowsAndPassesClicksToTheWindowBeneathWhileIconsKeepThem) {
    // Already there when the overlay starts, like the game it floats over.
    const Backdrop backdrop({100, 100, 100 + DEFAULT_WIDTH, 100 + DEFAULT_HEIGHT}, MAGENTA);
    OverlayProcess overlay(configText(DEFAULT_WIDTH, DEFAULT_HEIGHT, 100, 100));
    ASSERT_TRUE(overlay.started());
    ASSERT_EQ(geometryOf(overlay), (Geometry{100, 100, DEFAULT_WIDTH, DEFAULT_HEIGHT}));
    const SeeThroughCheck check(overlay, backdrop);
    const RECT fifth = overlay.screenRect(form::pictureBoxId(5));
    const RECT ninth = overlay.screenRect(form::pictureBoxId(9));
    const POINT icon = centreOf(fifth);

    check.expectSeeThrough("below the row", {icon.x, fifth.bottom + 4});
    check.expectSeeThrough("right of the row, where the hidden grip sits", {ninth.right + 12, centreOf(ninth).y});
    check.expectSeeThrough("where the hidden panel would be", centreOf(overlay.screenRect(form::GROUP_BOX_1)));
    check.expectAnIconTakesTheClick(icon, true);

    const RECT text4 = overlay.screenRect(form::transparentLabelId(4));
    const RECT base4 = overlay.screenRect(form::pictureBoxId(13));
    const RECT result4 = overlay.screenRect(form::pictureBoxId(22));
    check.expectSeeThrough("between two rows of the panel, right of the text", {text4.right + 6, text4.bottom});
    check.expectSeeThrough("between the panel's two icon columns", {(base4.right + result4.left) / 2, centreOf(base4).y});
    check.expectSeeThrough("below the row, above the open panel", {icon.x, fifth.bottom + 4});
    check.expectAnIconTakesTheClick(icon, false);
}

// --- Dragging by the handle ---------------------------------------------------

TEST(Drag, TheWindowFollowsTheMouseFromTheLeftPressOnTheHandleUntilTheRelease) {
    OverlayProcess overlay(configText(DEFAULT_WIDTH, DEFAULT_HEIGHT, 100, 100));
    ASSERT_TRUE(overlay.started());
    const Geometry before = geometryOf(overlay);
    const POINT handle = centreOf(overlay.screenRect(form::LABEL_1));
    const auto followed = [&](POINT step) {
        return [&overlay, before, step] {
            return geometryOf(overlay) == Geometry{before.left + step.x, before.top + step.y, before.width, before.height};
        };
    };
    moveMouse(handle.x, handle.y);
    leftButton(true);
    const POINT steps[] = {{30, 20}, {90, 60}, {150, 110}};
    for (const POINT step : steps) {
        moveMouse(handle.x + step.x, handle.y + step.y);
        EXPECT_TRUE(waitUntil(followed(step))) << "while held, after " << step.x << ", " << step.y << ": "
                                               << geometryOf(overlay);
    }
    leftButton(false);
    EXPECT_TRUE(waitUntil(followed(steps[2]))) << geometryOf(overlay);
    const Geometry released = geometryOf(overlay);

    moveMouse(handle.x + 250, handle.y + 200);
    settle(overlay);
    EXPECT_EQ(geometryOf(overlay), released) << "the move ended with the release";
}

// --- The menu itself ------------------------------------------------------------

TEST(ContextMenu, ARightPressOnTheHandleOpensItBesideTheCursorAndEscapeChangesNothing) {
    OverlayProcess overlay(configText(DEFAULT_WIDTH, DEFAULT_HEIGHT, 100, 100));
    ASSERT_TRUE(overlay.started());
    const Geometry before = geometryOf(overlay);
    const POINT handle = centreOf(overlay.screenRect(form::LABEL_1));
    moveMouse(handle.x, handle.y);
    const POINT cursor = cursorPosition();

    HWND popup = openContextMenu(overlay);
    ASSERT_NE(popup, nullptr);
    RECT menu{};
    GetWindowRect(popup, &menu);
    EXPECT_EQ(menu.left, cursor.x + 3);
    EXPECT_EQ(menu.top, cursor.y + 3);

    pressKey(VK_ESCAPE);
    EXPECT_TRUE(pumpUntil([&] { return popupMenuOf(overlay) == nullptr; }));
    settle(overlay);
    EXPECT_TRUE(overlay.running());
    EXPECT_EQ(geometryOf(overlay), before);
    EXPECT_TRUE(topmost(overlay.window()));
    EXPECT_FALSE(visible(overlay.control(form::LABEL_2)));
    EXPECT_TRUE(IsWindowEnabled(overlay.window())) << "no About box";
}

// --- Resize mode ----------------------------------------------------------------

TEST(ResizeMode, TheGripResizesFromTheBottomRightCornerAndTheControlsFollow) {
    OverlayProcess overlay(configText(DEFAULT_WIDTH, DEFAULT_HEIGHT, 100, 80));
    ASSERT_TRUE(overlay.started());
    HWND grip = overlay.control(form::LABEL_2);
    choose(overlay, Item::ResizeMode);
    ASSERT_TRUE(waitUntil([&] { return visible(grip); })) << "the item shows the grip";

    const Geometry before = geometryOf(overlay);
    const long iconWidth = widthOf(overlay.screenRect(form::pictureBoxId(9)));
    const Geometry expected{before.left, before.top, before.width + 125, before.height + 90};
    const auto arrived = [&] { return geometryOf(overlay) == expected; };
    dragBy(centreOf(overlay.screenRect(form::LABEL_2)), 125, 90, arrived);
    EXPECT_TRUE(waitUntil(arrived)) << geometryOf(overlay) << ", expected " << expected;
    EXPECT_GT(widthOf(overlay.screenRect(form::pictureBoxId(9))), iconWidth) << "the icons grow with the window";
    EXPECT_GE(overlay.screenRect(form::LABEL_2).left, overlay.screenRect(form::pictureBoxId(9)).right)
        << "the grip stays right of the row";
    EXPECT_LE(overlay.screenRect(form::LABEL_2).right, overlay.windowRect().right);

    choose(overlay, Item::ResizeMode);
    EXPECT_TRUE(waitUntil([&] { return !visible(grip); })) << "choosing it again hides the grip";
}

TEST(ResizeMode, DraggingTheGripInwardStopsAtTheMinimumSize) {
    const struct {
        const char* what;
        long dx, dy;
    } cases[] = {
        {"too narrow", -300, -40},
        {"too low", -40, -200},
        {"both", -300, -200},
    };
    const Geometry start{50, 250, 600, 500};  // room above and left for the grip to go
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        OverlayProcess overlay(configText(start.width, start.height, start.left, start.top));
        ASSERT_TRUE(overlay.started());
        choose(overlay, Item::ResizeMode);
        ASSERT_TRUE(waitUntil([&] { return visible(overlay.control(form::LABEL_2)); }));
        const Geometry expected{start.left, start.top, std::max<long>(DEFAULT_WIDTH, start.width + c.dx),
                                std::max<long>(DEFAULT_HEIGHT, start.height + c.dy)};
        const auto arrived = [&] { return geometryOf(overlay) == expected; };
        dragBy(centreOf(overlay.screenRect(form::LABEL_2)), c.dx, c.dy, arrived);
        EXPECT_TRUE(waitUntil(arrived)) << geometryOf(overlay) << ", expected " << expected;
    }
}

// --- Default size and always on top ------------------------------------------------

TEST(DefaultSize, TheItemGivesTheDesignSizeAtTheSameTopLeftCorner) {
    const std::string config = configText(600, 700, 40, 30);
    OverlayProcess overlay(config);
    ASSERT_TRUE(overlay.started());
    ASSERT_EQ(geometryOf(overlay), (Geometry{40, 30, 600, 700}));
    choose(overlay, Item::DefaultSize);
    EXPECT_TRUE(waitUntil([&] { return geometryOf(overlay) == Geometry{40, 30, DEFAULT_WIDTH, DEFAULT_HEIGHT}; }))
        << geometryOf(overlay);
    EXPECT_EQ(overlay.readConfig(), config) << "nothing is saved by it";
}

TEST(AlwaysOnTop, TheItemLetsOtherWindowsCoverTheOverlayAndThenKeepsItAboveAgain) {
    // Already there when the overlay starts; it leaves the handle free for the menu.
    const Backdrop cover({160, 100, 100 + DEFAULT_WIDTH, 100 + DEFAULT_HEIGHT}, MAGENTA);
    OverlayProcess overlay(configText(DEFAULT_WIDTH, DEFAULT_HEIGHT, 100, 100));
    ASSERT_TRUE(overlay.started());
    ASSERT_TRUE(topmost(overlay.window()));
    const POINT icon = centreOf(overlay.screenRect(form::pictureBoxId(7)));
    cover.raise();
    EXPECT_TRUE(pumpUntil([&] { return pixelAt(icon) != MAGENTA_PIXEL; })) << "on at start: the overlay stays above";

    choose(overlay, Item::AlwaysOnTop);
    EXPECT_TRUE(pumpUntil([&] { return !topmost(overlay.window()); }));
    cover.raise();
    EXPECT_TRUE(pumpUntil([&] { return pixelAt(icon) == MAGENTA_PIXEL; })) << "off: a window raised later covers it";

    choose(overlay, Item::AlwaysOnTop);
    EXPECT_TRUE(pumpUntil([&] { return topmost(overlay.window()); }));
    EXPECT_TRUE(pumpUntil([&] { return pixelAt(icon) != MAGENTA_PIXEL; })) << "on again: back above";
}

// --- About box -------------------------------------------------------------------------

BOOL CALLBACK collectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

std::vector<HWND> childrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, collectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

std::vector<HWND> childrenOfClass(HWND window, const std::wstring& className) {
    std::vector<HWND> matching;
    for (HWND child : childrenOf(window)) {
        if (_wcsicmp(classOf(child).c_str(), className.c_str()) == 0) matching.push_back(child);
    }
    return matching;
}

std::wstring messageOf(HWND box) {
    for (HWND label : childrenOfClass(box, L"Static")) {
        if (!textOf(label).empty()) return textOf(label);
    }
    return L"";
}

HWND openAboutBox(const OverlayProcess& overlay) {
    choose(overlay, Item::About);
    HWND box = nullptr;
    waitUntil([&] { return (box = aboutBoxOf(overlay)) != nullptr; });
    return box;
}

TEST(AboutBox, ItsTextNamesTheProgramAndVersionOverAOneLineRightsNotice) {
    RecordProperty("ansi_code_page", static_cast<int>(GetACP()));
    OverlayProcess overlay;
    ASSERT_TRUE(overlay.started());
    HWND box = openAboutBox(overlay);
    ASSERT_NE(box, nullptr) << "no window captioned 关于";

    const std::wstring message = messageOf(box);
    const std::wstring firstLine = L"Varnomel Ver 1.0\r\n";
    ASSERT_EQ(message.substr(0, firstLine.size()), firstLine) << "the text: " << testing::PrintToString(message);
    const std::wstring notice = message.substr(firstLine.size());
    EXPECT_FALSE(notice.empty());
    EXPECT_EQ(notice.find_first_of(L"\r\n"), std::wstring::npos) << "one line";
    const bool namesRights = notice.find(L"版权") != std::wstring::npos || notice.find(L"(C)") != std::wstring::npos ||
                             notice.find(L"\u00a9") != std::wstring::npos ||
                             notice.find(L"Copyright") != std::wstring::npos;
    EXPECT_TRUE(namesRights) << testing::PrintToString(notice);
}

TEST(AboutBox, ItHasOneButtonAndTheOverlayTakesNoInputUntilItIsClosed) {
    OverlayProcess overlay;
    ASSERT_TRUE(overlay.started());
    HWND box = openAboutBox(overlay);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(childrenOfClass(box, L"Button").size(), 1u);
    EXPECT_FALSE(IsWindowEnabled(overlay.window()));

    RECT boxRect{};
    GetWindowRect(box, &boxRect);
    const POINT icon = centreOf(overlay.screenRect(form::pictureBoxId(3)));
    ASSERT_FALSE(PtInRect(&boxRect, icon)) << "the box covers the icon";
    leftClick(icon.x, icon.y);
    rightPressOnTheHandle(overlay);
    settle(overlay);
    EXPECT_FALSE(visible(overlay.control(form::GROUP_BOX_1))) << "the icon took a click";
    EXPECT_EQ(popupMenuOf(overlay), nullptr) << "the handle took a right press";
    EXPECT_EQ(aboutBoxOf(overlay), box);

    pressKey(VK_RETURN);
    EXPECT_TRUE(waitUntil([&] { return aboutBoxOf(overlay) == nullptr; })) << "OK closes the box";
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(overlay.window()) != FALSE; }));
    leftClick(icon.x, icon.y);
    EXPECT_TRUE(waitUntil([&] { return visible(overlay.control(form::GROUP_BOX_1)); })) << "input works again";
}

// --- The ways out ----------------------------------------------------------------------

std::vector<std::string> savedLines(int width, int height, int left, int top) {
    return nonEmptyLines(configText(width, height, left, top));
}

// Makes the window 500 x 420 at (100, 200) with the grip and the handle, as a user would.
void resizeAndMoveAsAUser(const OverlayProcess& overlay) {
    choose(overlay, Item::ResizeMode);
    ASSERT_TRUE(waitUntil([&] { return visible(overlay.control(form::LABEL_2)); }));
    const Geometry start = geometryOf(overlay);
    const auto reached = [&](Geometry target) { return [&overlay, target] { return geometryOf(overlay) == target; }; };
    const Geometry resized{start.left, start.top, 500, 420};
    dragBy(centreOf(overlay.screenRect(form::LABEL_2)), 500 - start.width, 420 - start.height, reached(resized));
    ASSERT_TRUE(waitUntil(reached(resized))) << geometryOf(overlay);
    const Geometry moved{100, 200, 500, 420};
    dragBy(centreOf(overlay.screenRect(form::LABEL_1)), 100 - start.left, 200 - start.top, reached(moved));
    ASSERT_TRUE(waitUntil(reached(moved))) << geometryOf(overlay);
}

TEST(Exit, TheMenuItemStoresTheLiveGeometryAndEndsWithZero) {
    OverlayProcess overlay(configText(DEFAULT_WIDTH, DEFAULT_HEIGHT, 20, 30));
    ASSERT_TRUE(overlay.started());
    ASSERT_NO_FATAL_FAILURE(resizeAndMoveAsAUser(overlay));
    choose(overlay, Item::Exit);
    EXPECT_EQ(overlay.waitForExit(10000), std::optional<DWORD>(0));
    EXPECT_EQ(nonEmptyLines(overlay.readConfig()), savedLines(500, 420, 100, 200));
}

TEST(Exit, ACloseRequestStoresTheStartUpSizeWithTheLivePositionAndEndsWithZero) {
    OverlayProcess overlay(configText(DEFAULT_WIDTH, DEFAULT_HEIGHT, 20, 30));
    ASSERT_TRUE(overlay.started());
    ASSERT_NO_FATAL_FAILURE(resizeAndMoveAsAUser(overlay));
    overlay.requestClose();
    EXPECT_EQ(overlay.waitForExit(10000), std::optional<DWORD>(0));
    EXPECT_EQ(nonEmptyLines(overlay.readConfig()), savedLines(DEFAULT_WIDTH, DEFAULT_HEIGHT, 100, 200));
}

}  // namespace
}  // namespace varnomel::e2e
