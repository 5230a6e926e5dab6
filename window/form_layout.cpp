#include "form_layout.h"

#include <algorithm>
#include <string>

namespace varnomel::form {

namespace {

// GBK texts of the form.
const char* const kHandleText = "\xb3\xa4\xb0\xb4\xcd\xcf\xb6\xaf"  // 长按拖动
                                "\r\n"
                                "\xd3\xd2\xbc\xfc\xb2\xcb\xb5\xa5";  // 右键菜单
const char* const kGripText = "\xa8\x4b";                          // ↘
const char* const kPlaceholder = "\xcd\xb8\xc3\xf7\xb1\xea\xc7\xa9";  // 透明标签
const char* const kFirstPlaceholder = "\xcd\xb8\xc3\xf7\xb1\xea\xc7\xa9\r\n\xcd\xb8\xc3\xf7\xb1\xea\xc7\xa9";

constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kYellow = {255, 255, 0};
constexpr LabelLook kHandleLook = {kBlack, kYellow, false, true, false};
constexpr LabelLook kGripLook = {kBlack, std::nullopt, true, false, true};
constexpr LabelLook kNoLook = {};

ControlSpec pictureBox(int number, ParentWindow parent, int left, int top) {
    return {u8"图片框" + std::to_string(number),
            pictureBoxId(number), ControlKind::PictureBox, parent, {left, top, 32, 32}, true, "", kNoLook};
}

ControlSpec transparentLabel(int row) {
    return {u8"透明标签" + std::to_string(row),
            transparentLabelId(row), ControlKind::TransparentLabel, ParentWindow::Panel,
            {96, 16 + 32 * (row - 1), 250, 32}, true, row == 1 ? kFirstPlaceholder : kPlaceholder, kNoLook};
}

std::vector<ControlSpec> buildControls() {
    std::vector<ControlSpec> list;
    list.push_back({u8"标签1", LABEL_1, ControlKind::Label, ParentWindow::MainWindow, {0, 0, 54, 28}, true,
                    kHandleText, kHandleLook});
    // The top row is created in this order: 1, 3 … 9, then 2.
    for (int number : {1, 3, 4, 5, 6, 7, 8, 9, 2}) {
        list.push_back(pictureBox(number, ParentWindow::MainWindow, 56 + 32 * (number - 1), 0));
    }
    list.push_back({u8"标签2", LABEL_2, ControlKind::Label, ParentWindow::MainWindow, {344, 0, 24, 24}, false,
                    kGripText, kGripLook});
    list.push_back({u8"分组框1", GROUP_BOX_1, ControlKind::GroupBox, ParentWindow::MainWindow, {8, 40, 360, 312},
                    false, "", kNoLook});
    for (int row = 1; row <= PANEL_ROWS; ++row) {
        list.push_back(pictureBox(9 + row, ParentWindow::Panel, 8, 16 + 32 * (row - 1)));
    }
    for (int row = 1; row <= PANEL_ROWS; ++row) {
        list.push_back(pictureBox(18 + row, ParentWindow::Panel, 56, 16 + 32 * (row - 1)));
    }
    for (int row = 1; row <= PANEL_ROWS; ++row) list.push_back(transparentLabel(row));
    return list;
}

}  // namespace

const std::vector<ControlSpec>& controls() {
    static const std::vector<ControlSpec> list = buildControls();
    return list;
}

const ControlSpec* find(std::string_view name) {
    for (const ControlSpec& entry : controls()) {
        if (name == entry.name) return &entry;
    }
    return nullptr;
}

const ControlSpec& byId(int id) {
    const auto& list = controls();
    return *std::find_if(list.begin(), list.end(), [id](const ControlSpec& entry) { return entry.id == id; });
}

std::vector<int> stackingOrder(ParentWindow parent) {
    if (parent == ParentWindow::MainWindow) {
        return {GROUP_BOX_1,     LABEL_2,         pictureBoxId(2), pictureBoxId(9), pictureBoxId(8),
                pictureBoxId(7), pictureBoxId(6), pictureBoxId(5), pictureBoxId(4), pictureBoxId(3),
                pictureBoxId(1), LABEL_1};
    }
    std::vector<int> order;
    for (int row = PANEL_ROWS; row >= 1; --row) order.push_back(transparentLabelId(row));
    for (int number = 27; number >= 10; --number) order.push_back(pictureBoxId(number));
    return order;
}

}  // namespace varnomel::form
