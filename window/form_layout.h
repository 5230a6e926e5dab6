// The form of the one window: every control's name, kind, parent, design
// rectangle, visibility at start, text and look, and the order in which the
// controls are created and stacked. Data only; window/form.cpp builds it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "png_image.h"

namespace varnomel {

enum class ControlKind { Label, PictureBox, GroupBox, TransparentLabel };
enum class ParentWindow { MainWindow, Panel };

struct DesignRect {
    int left;
    int top;
    int width;
    int height;
};

struct LabelLook {
    Rgb text;
    std::optional<Rgb> background;  // none: the system's 3-D face colour
    bool raisedFrame;               // else the thin sunken edge
    bool wordWrap;                  // else one line, vertically centred
    bool sizingCursor;              // the diagonal sizing cursor, else the arrow
};

struct ControlSpec {
    std::string name;  // as the form names it, UTF-8
    int id;            // the control's window id
    ControlKind kind;
    ParentWindow parent;
    DesignRect rect;  // in the parent's client area
    bool shownAtStart;
    const char* text;  // GBK
    LabelLook look;    // labels only
};

namespace form {

constexpr DesignRect WINDOW_RECT = {50, 50, 375, 380};
constexpr int PICTURE_BOX_COUNT = 27;
constexpr int PANEL_ROWS = 9;

constexpr int LABEL_1 = 101;  // the drag handle
constexpr int LABEL_2 = 102;  // the resize grip
constexpr int GROUP_BOX_1 = 300;
constexpr int pictureBoxId(int number) { return 200 + number; }      // 1..27
constexpr int transparentLabelId(int number) { return 400 + number; }  // 1..9

constexpr Rgb TRANSPARENT_LABEL_TEXT = {144, 0, 255};
constexpr int TRANSPARENT_LABEL_FONT_HEIGHT = -14;

// In creation order.
const std::vector<ControlSpec>& controls();
const ControlSpec* find(std::string_view name);
const ControlSpec& byId(int id);

// Control ids among the siblings of one parent, topmost first.
std::vector<int> stackingOrder(ParentWindow parent);

}  // namespace form
}  // namespace varnomel
