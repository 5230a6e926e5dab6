#include "menu_model.h"

namespace varnomel {

MenuModel MenuModel::form() {
    MenuModel model;
    model.items_ = {
        {"Dovrane", 0, false, false, true, COMMAND_NONE},
        {"\xca\xc7\xb7\xf1\xd7\xee\xc7\xb0\xb6\xcb\xcf\xd4\xca\xbe", 1, true, false, false,  // 是否最前端显示
         COMMAND_ALWAYS_ON_TOP},
        {"\xb5\xf7\xd5\xfb\xb4\xf3\xd0\xa1", 1, false, false, false, COMMAND_RESIZE_MODE},  // 调整大小
        {"\xbb\xd6\xb8\xb4\xc4\xac\xc8\xcf\xb4\xf3\xd0\xa1", 1, false, false, false,        // 恢复默认大小
         COMMAND_DEFAULT_SIZE},
        {"-", 1, false, false, false, COMMAND_NONE},
        {"\xb9\xd8\xd3\xda", 1, false, false, false, COMMAND_ABOUT},  // 关于
        {"-", 1, false, false, false, COMMAND_NONE},
        {"\xcd\xcb\xb3\xf6", 1, false, false, false, COMMAND_EXIT},  // 退出
    };
    return model;
}

std::vector<MenuItem> MenuModel::menuBar() const {
    std::vector<MenuItem> shown;
    bool parentShown = false;
    for (const MenuItem& item : items_) {
        if (item.level == 0) parentShown = !item.invisible;
        // An invisible top-level item hides its children with it.
        if (parentShown && !item.invisible) shown.push_back(item);
    }
    return shown;
}

std::vector<MenuItem> MenuModel::contextMenu() const {
    std::vector<MenuItem> shown;
    int topLevelSeen = 0;
    for (const MenuItem& item : items_) {
        if (item.level == 0 && ++topLevelSeen > 1) break;
        if (item.level == 1 && !item.invisible) shown.push_back(item);
    }
    return shown;
}

bool MenuModel::checked(MenuCommand command) const {
    for (const MenuItem& item : items_) {
        if (item.command == command) return item.checked;
    }
    return false;
}

void MenuModel::setChecked(MenuCommand command, bool checked) {
    for (MenuItem& item : items_) {
        if (item.command == command) item.checked = checked;
    }
}

}  // namespace varnomel
