// The context menu's commands, chosen through the window's command messages.
#include "app_fixture.h"
#include "form_layout.h"
#include "menu_model.h"

namespace varnomel::testing {
namespace {

using CommandsTest = AppTest;

TEST_F(CommandsTest, ResizeModeShowsAndHidesTheGrip) {
    start();
    EXPECT_FALSE(app->menu().checked(COMMAND_RESIZE_MODE));
    command(COMMAND_RESIZE_MODE);
    EXPECT_TRUE(app->menu().checked(COMMAND_RESIZE_MODE));
    EXPECT_TRUE(IsWindowVisible(control(form::LABEL_2)));
    command(COMMAND_RESIZE_MODE);
    EXPECT_FALSE(app->menu().checked(COMMAND_RESIZE_MODE));
    EXPECT_FALSE(IsWindowVisible(control(form::LABEL_2)));
}

TEST_F(CommandsTest, AlwaysOnTopFollowsItsCheckMark) {
    start();
    const auto topmost = [&] { return (GetWindowLongW(window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_TRUE(app->menu().checked(COMMAND_ALWAYS_ON_TOP));
    EXPECT_TRUE(topmost());
    command(COMMAND_ALWAYS_ON_TOP);
    EXPECT_FALSE(app->menu().checked(COMMAND_ALWAYS_ON_TOP));
    EXPECT_FALSE(topmost());
    command(COMMAND_ALWAYS_ON_TOP);
    EXPECT_TRUE(app->menu().checked(COMMAND_ALWAYS_ON_TOP));
    EXPECT_TRUE(topmost());
}

TEST_F(CommandsTest, DefaultSizeKeepsTheTopLeftCorner) {
    writeConfig(configText(600, 700, 20, 30));
    start();
    command(COMMAND_DEFAULT_SIZE);
    const RECT rect = outerRect();
    EXPECT_EQ(rect.left, 20);
    EXPECT_EQ(rect.top, 30);
    EXPECT_EQ(rect.right - rect.left, 375);
    EXPECT_EQ(rect.bottom - rect.top, 380);
    EXPECT_EQ(readConfig(), configText(600, 700, 20, 30)) << "nothing is saved by it";
}

TEST_F(CommandsTest, TheContextMenuComesFromTheMenuModel) {
    start();
    const std::vector<MenuItem> items = app->menu().contextMenu();
    ASSERT_EQ(items.size(), 7u);
    EXPECT_TRUE(items[3].isSeparator());
    EXPECT_TRUE(items[5].isSeparator());
    EXPECT_TRUE(app->menu().menuBar().empty()) << "the invisible top-level item hides the bar";
}

}  // namespace
}  // namespace varnomel::testing
