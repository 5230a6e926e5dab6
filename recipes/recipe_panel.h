// The recipe panel: a press on a base item in the top row shows or hides the
// panel that lists what that item makes with each of the nine base items.
// The panel keeps no state of its own; whether it is open is read back from
// the view on every press.
#pragma once

#include <string_view>

#include "catalogue.h"

namespace varnomel {

// What the panel needs of the window's controls.
class PanelView {
public:
    virtual ~PanelView() = default;

    virtual bool panelVisible() const = 0;
    virtual void setPanelVisible(bool visible) = 0;
    // Picture boxes are numbered 1..27 as in the form: 1..9 the top row,
    // 10..18 the panel's ingredient column, 19..27 its result column.
    virtual void setPicture(int pictureBox, ByteView png) = 0;
    // Transparent labels 1..9, one for each panel row; `text` is GBK.
    virtual void setEffectText(int row, std::string_view text) = 0;
    // The changes above only mark what must be painted anew; this paints it,
    // each control once, before it returns.
    virtual void showChanges() = 0;
};

namespace recipe_panel {

constexpr int FIRST_INGREDIENT_BOX = 10;
constexpr int FIRST_RESULT_BOX = 19;

// Once, while the window is created: hides the panel and puts the base-item
// icons into the top row and into the panel's ingredient column.
void prepare(PanelView& view);

// A left-button press on base item `item` of the top row. Everything is set
// first, then painted in one pass.
void pressed(PanelView& view, BaseItem item);

}  // namespace recipe_panel
}  // namespace varnomel
