#include "recipe_panel.h"

namespace varnomel::recipe_panel {

void prepare(PanelView& view) {
    view.setPanelVisible(false);
    for (BaseItem item = 1; item <= BASE_ITEM_COUNT; ++item) {
        view.setPicture(item, iconBytes(baseIcon(item)));
    }
    for (int row = 1; row <= BASE_ITEM_COUNT; ++row) {
        view.setPicture(FIRST_INGREDIENT_BOX - 1 + row, iconBytes(baseIcon(row)));
    }
}

void pressed(PanelView& view, BaseItem item) {
    // The toggle does not depend on which item was pressed: the rows are
    // refilled on every press, also on the one that hides the panel.
    view.setPanelVisible(!view.panelVisible());
    for (int row = 1; row <= BASE_ITEM_COUNT; ++row) {
        view.setPicture(FIRST_RESULT_BOX - 1 + row, iconBytes(combinedIcon(recipe(item, row))));
    }
    for (int row = 1; row <= BASE_ITEM_COUNT; ++row) {
        view.setEffectText(row, effectText(recipe(item, row)));
    }
    view.showChanges();
}

}  // namespace varnomel::recipe_panel
