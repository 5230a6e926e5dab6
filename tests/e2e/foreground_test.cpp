// The game keeps the keyboard: presses on the overlay, drags of its handle and
// grip leave the foreground with the window that had it, the context menu and
// the About box give it back, and a double click counts as one press.
#include <gtest/gtest.h>

#include "config_text.h"
#include "form_layout.h"
#include "game_window.h"
#include "input.h"
#include "overlay_actions.h"
#include "overlay_process.h"
#include "screen.h"

namespace varnomel::e2e {
namespace {

constexpr long LEFT = 40;
constexpr long TOP = 40;
constexpr Geometry START{LEFT, TOP, 375, 380};
// Clear of the overlay, also once it is dragged or resized: under Wine an
// activated window is drawn above every other, topmost ones included.
constexpr RECT GAME_AREA{620, 300, 1000, 700};

class GameKeepsTheKeyboard : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(overlay.started());
        ASSERT_TRUE(game.activateByClick()) << "the stand-in for the game could not be activated";
    }

    void expectTheGameKeepsTheKeyboard(const char* after) {
        SCOPED_TRACE(after);
        settle(overlay);
        EXPECT_TRUE(game.hasForeground()) << "the foreground is with " << GetForegroundWindow();
        EXPECT_TRUE(game.receivesAKeyPress());
    }

    // After the menu or the About box: the window that had the foreground gets
    // it back. Wine with no window manager may hand it to its desktop window a
    // moment later, so there only the overlay must not keep it.
    void expectTheForegroundGivenBack(const char* after) {
        SCOPED_TRACE(after);
        settle(overlay);
        if (underWine()) {
            EXPECT_TRUE(pumpUntil([&] { return GetForegroundWindow() != overlay.window(); }));
            return;
        }
        EXPECT_TRUE(pumpUntil([&] { return game.hasForeground(); }));
        EXPECT_TRUE(game.receivesAKeyPress());
    }

    POINT centreOfControl(int id) const { return centreOf(overlay.screenRect(id)); }

    GameWindow game{GAME_AREA};  // there before the overlay, as the game is
    OverlayProcess overlay{configText(START.width, START.height, START.left, START.top)};
};

TEST_F(GameKeepsTheKeyboard, WhenItemsAndThePanelArePressed) {
    HWND panel = overlay.control(form::GROUP_BOX_1);
    const POINT third = centreOfControl(form::pictureBoxId(3));
    leftClick(third.x, third.y);
    ASSERT_TRUE(waitUntil([&] { return visible(panel); })) << "the press opens the panel as before";
    expectTheGameKeepsTheKeyboard("a press on an item");

    const POINT result = centreOfControl(form::pictureBoxId(22));
    leftClick(result.x, result.y);
    expectTheGameKeepsTheKeyboard("a press on a picture in the panel");

    leftClick(third.x, third.y);
    ASSERT_TRUE(waitUntil([&] { return !visible(panel); })) << "the next press closes it";
    expectTheGameKeepsTheKeyboard("the press that closed the panel");
}

TEST_F(GameKeepsTheKeyboard, WhileAndAfterTheHandleDragsTheWindow) {
    const POINT handle = centreOfControl(form::LABEL_1);
    moveMouse(handle.x, handle.y);
    leftButton(true);
    const POINT steps[] = {{40, 30}, {120, 70}};
    for (const POINT step : steps) {
        moveMouse(handle.x + step.x, handle.y + step.y);
        const Geometry expected{LEFT + step.x, TOP + step.y, START.width, START.height};
        EXPECT_TRUE(waitUntil([&] { return geometryOf(overlay) == expected; })) << geometryOf(overlay);
        EXPECT_TRUE(game.hasForeground()) << "during the drag";
    }
    leftButton(false);
    expectTheGameKeepsTheKeyboard("the drag");
}

TEST_F(GameKeepsTheKeyboard, WhileAndAfterTheGripResizesTheWindow) {
    choose(overlay, Item::ResizeMode);
    ASSERT_TRUE(waitUntil([&] { return visible(overlay.control(form::LABEL_2)); }));
    ASSERT_TRUE(game.activateByClick());
    const Geometry expected{LEFT, TOP, START.width + 100, START.height + 60};
    dragBy(centreOfControl(form::LABEL_2), 100, 60, [&] {
        EXPECT_TRUE(game.hasForeground()) << "during the resize";
        return geometryOf(overlay) == expected;
    });
    EXPECT_TRUE(waitUntil([&] { return geometryOf(overlay) == expected; })) << geometryOf(overlay);
    expectTheGameKeepsTheKeyboard("the resize");
}

TEST_F(GameKeepsTheKeyboard, TheContextMenuGivesTheForegroundBackWhenEscapeClosesIt) {
    ASSERT_NE(openContextMenu(overlay), nullptr);
    pressKey(VK_ESCAPE);
    ASSERT_TRUE(pumpUntil([&] { return popupMenuOf(overlay) == nullptr; }));
    expectTheForegroundGivenBack("Escape");
}

TEST_F(GameKeepsTheKeyboard, TheContextMenuGivesTheForegroundBackAfterAnItem) {
    choose(overlay, Item::AlwaysOnTop);
    expectTheForegroundGivenBack("always on top");
}

TEST_F(GameKeepsTheKeyboard, TheAboutBoxGivesTheForegroundBackWhenClosed) {
    choose(overlay, Item::About);
    HWND box = nullptr;
    ASSERT_TRUE(waitUntil([&] { return (box = aboutBoxOf(overlay)) != nullptr; }));
    EXPECT_FALSE(IsWindowEnabled(overlay.window())) << "the box is task-modal as before";
    pressKey(VK_RETURN);
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
    expectTheForegroundGivenBack("the About box");
}

// --- Double clicks ---------------------------------------------------------------

TEST_F(GameKeepsTheKeyboard, ADoubleClickOnAnItemTogglesThePanelOnce) {
    const POINT item = centreOfControl(form::pictureBoxId(5));
    leftDoubleClick(item.x, item.y);
    settle(overlay);
    EXPECT_TRUE(visible(overlay.control(form::GROUP_BOX_1))) << "opened, and not closed again at once";
    expectTheGameKeepsTheKeyboard("the double click");
}

TEST_F(GameKeepsTheKeyboard, TheSecondPressOfADoubleClickOnTheHandleStartsNoSecondDrag) {
    const POINT handle = centreOfControl(form::LABEL_1);
    leftDoubleClick(handle.x, handle.y, true);
    moveMouse(handle.x + 60, handle.y + 40);
    settle(overlay);
    EXPECT_EQ(geometryOf(overlay), START) << "the first drag ended with its release";
    leftButton(false);
}

TEST_F(GameKeepsTheKeyboard, TheSecondPressOfADoubleClickOnTheGripStartsNoSecondResize) {
    choose(overlay, Item::ResizeMode);
    ASSERT_TRUE(waitUntil([&] { return visible(overlay.control(form::LABEL_2)); }));
    const POINT grip = centreOfControl(form::LABEL_2);
    leftDoubleClick(grip.x, grip.y, true);
    moveMouse(grip.x + 60, grip.y + 40);
    settle(overlay);
    EXPECT_EQ(geometryOf(overlay), START);
    leftButton(false);
}

// --- Always on top off -------------------------------------------------------------

TEST(ForegroundStays, APressRaisesTheOverlayAboveOtherWindowsWhenItIsNotAlwaysOnTop) {
    constexpr std::uint32_t MAGENTA_PIXEL = rgb(255, 0, 255);
    // Over the right part of the row, leaving the handle and the first items free.
    const Backdrop cover({LEFT + 190, TOP, LEFT + START.width, TOP + START.height}, RGB(255, 0, 255));
    GameWindow game(GAME_AREA);
    OverlayProcess overlay(configText(START.width, START.height, START.left, START.top));
    ASSERT_TRUE(overlay.started());
    choose(overlay, Item::AlwaysOnTop);
    ASSERT_TRUE(pumpUntil([&] { return !topmost(overlay.window()); }));
    const POINT covered = centreOf(overlay.screenRect(form::pictureBoxId(8)));
    cover.raise();
    ASSERT_TRUE(pumpUntil([&] { return pixelAt(covered) == MAGENTA_PIXEL; })) << "the cover lies above the overlay";
    ASSERT_TRUE(game.activateByClick());

    const POINT first = centreOf(overlay.screenRect(form::pictureBoxId(1)));
    leftClick(first.x, first.y);
    EXPECT_TRUE(pumpUntil([&] { return pixelAt(covered) != MAGENTA_PIXEL; })) << "the press brings the overlay up";
    EXPECT_FALSE(topmost(overlay.window())) << "without making it always on top";
    settle(overlay);
    EXPECT_TRUE(game.hasForeground());
    EXPECT_TRUE(game.receivesAKeyPress());
}

}  // namespace
}  // namespace varnomel::e2e
