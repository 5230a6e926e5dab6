// The window's menu as a tree of items with caption, level and flags. The one
// top-level item is invisible, so no menu bar shows; its children make the
// context menu.
#pragma once

#include <string>
#include <vector>

namespace varnomel {

enum MenuCommand {
    COMMAND_NONE = 0,
    COMMAND_ALWAYS_ON_TOP = 1001,
    COMMAND_RESIZE_MODE,
    COMMAND_DEFAULT_SIZE,
    COMMAND_ABOUT,
    COMMAND_EXIT,
};

struct MenuItem {
    std::string caption;  // GBK; "-" makes a separator
    int level;            // 0 top level, 1 its children
    bool checked;
    bool disabled;
    bool invisible;
    MenuCommand command;

    bool isSeparator() const { return caption == "-"; }
};

class MenuModel {
public:
    // The form's menu: the invisible top-level item and its seven children.
    static MenuModel form();

    const std::vector<MenuItem>& items() const { return items_; }

    // Visible top-level items with their visible children, as a menu bar shows them.
    std::vector<MenuItem> menuBar() const;
    // The visible children of the first top-level item, in order.
    std::vector<MenuItem> contextMenu() const;

    bool checked(MenuCommand command) const;
    void setChecked(MenuCommand command, bool checked);

private:
    std::vector<MenuItem> items_;
};

}  // namespace varnomel
