#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "form_layout.h"
#include "menu_model.h"

namespace varnomel {
namespace {

struct Expected {
    const char* name;
    ParentWindow parent;
    DesignRect rect;
    bool shown;
};

TEST(FormLayout, ControlsSitWhereTheFormPutsThem) {
    const Expected cases[] = {
        {u8"标签1", ParentWindow::MainWindow, {0, 0, 54, 28}, true},
        {u8"图片框1", ParentWindow::MainWindow, {56, 0, 32, 32}, true},
        {u8"图片框2", ParentWindow::MainWindow, {88, 0, 32, 32}, true},
        {u8"图片框9", ParentWindow::MainWindow, {312, 0, 32, 32}, true},
        {u8"标签2", ParentWindow::MainWindow, {344, 0, 24, 24}, false},
        {u8"分组框1", ParentWindow::MainWindow, {8, 40, 360, 312}, false},
        {u8"图片框10", ParentWindow::Panel, {8, 16, 32, 32}, true},
        {u8"图片框18", ParentWindow::Panel, {8, 272, 32, 32}, true},
        {u8"图片框19", ParentWindow::Panel, {56, 16, 32, 32}, true},
        {u8"图片框27", ParentWindow::Panel, {56, 272, 32, 32}, true},
        {u8"透明标签1", ParentWindow::Panel, {96, 16, 250, 32}, true},
        {u8"透明标签9", ParentWindow::Panel, {96, 272, 250, 32}, true},
    };
    for (const Expected& e : cases) {
        const ControlSpec* entry = form::find(e.name);
        ASSERT_NE(entry, nullptr) << e.name;
        EXPECT_EQ(entry->parent, e.parent) << e.name;
        EXPECT_EQ(entry->rect.left, e.rect.left) << e.name;
        EXPECT_EQ(entry->rect.top, e.rect.top) << e.name;
        EXPECT_EQ(entry->rect.width, e.rect.width) << e.name;
        EXPECT_EQ(entry->rect.height, e.rect.height) << e.name;
        EXPECT_EQ(entry->shownAtStart, e.shown) << e.name;
    }
    EXPECT_EQ(form::controls().size(), 39u);
}

std::vector<std::string> namesOf(const std::vector<int>& ids) {
    std::vector<std::string> names;
    for (int id : ids) names.push_back(form::byId(id).name);
    return names;
}

TEST(FormLayout, CreationAndStackingOrders) {
    std::vector<int> created;
    for (const ControlSpec& entry : form::controls()) created.push_back(entry.id);
    const std::vector<std::string> createdNames = namesOf(created);
    const std::vector<std::string> firstTwelve(createdNames.begin(), createdNames.begin() + 12);
    EXPECT_EQ(firstTwelve, (std::vector<std::string>{u8"标签1", u8"图片框1", u8"图片框3", u8"图片框4", u8"图片框5",
                                                     u8"图片框6", u8"图片框7", u8"图片框8", u8"图片框9", u8"图片框2",
                                                     u8"标签2", u8"分组框1"}));
    EXPECT_EQ(namesOf(form::stackingOrder(ParentWindow::MainWindow)),
              (std::vector<std::string>{u8"分组框1", u8"标签2", u8"图片框2", u8"图片框9", u8"图片框8", u8"图片框7",
                                        u8"图片框6", u8"图片框5", u8"图片框4", u8"图片框3", u8"图片框1", u8"标签1"}));
    const std::vector<std::string> panel = namesOf(form::stackingOrder(ParentWindow::Panel));
    ASSERT_EQ(panel.size(), 27u);
    EXPECT_EQ(panel.front(), u8"透明标签9");
    EXPECT_EQ(panel[8], u8"透明标签1");
    EXPECT_EQ(panel[9], u8"图片框27");
    EXPECT_EQ(panel.back(), u8"图片框10");
}

TEST(MenuModel, TheInvisibleTopItemHidesTheBarAndGivesTheContextMenu) {
    MenuModel menu = MenuModel::form();
    EXPECT_TRUE(menu.menuBar().empty());
    const std::vector<MenuItem> items = menu.contextMenu();
    ASSERT_EQ(items.size(), 7u);
    const MenuCommand commands[] = {COMMAND_ALWAYS_ON_TOP, COMMAND_RESIZE_MODE, COMMAND_DEFAULT_SIZE, COMMAND_NONE,
                                    COMMAND_ABOUT, COMMAND_NONE, COMMAND_EXIT};
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].command, commands[i]) << i;
    EXPECT_TRUE(items[3].isSeparator());
    EXPECT_TRUE(items[5].isSeparator());
    EXPECT_TRUE(items[0].checked) << "always on top starts on";
    EXPECT_FALSE(items[1].checked) << "resize mode starts off";
}

TEST(MenuModel, CheckMarksShowInTheNextContextMenu) {
    MenuModel menu = MenuModel::form();
    menu.setChecked(COMMAND_RESIZE_MODE, true);
    menu.setChecked(COMMAND_ALWAYS_ON_TOP, false);
    EXPECT_TRUE(menu.contextMenu()[1].checked);
    EXPECT_FALSE(menu.contextMenu()[0].checked);
    EXPECT_TRUE(menu.checked(COMMAND_RESIZE_MODE));
}

}  // namespace
}  // namespace varnomel
