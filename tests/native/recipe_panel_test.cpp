#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "recipe_panel.h"

namespace varnomel {
namespace {

// Records what the panel shows, by the icon each picture box holds, and the
// order of the calls.
class FakeView : public PanelView {
public:
    bool visible = true;
    std::map<int, std::string> pictures;  // picture box → icon name
    std::map<int, std::string> texts;     // row → GBK text
    std::vector<char> calls;              // 'v'isibility, 'p'icture, 't'ext, 's'how changes

    bool panelVisible() const override { return visible; }
    void setPanelVisible(bool value) override { visible = value; calls.push_back('v'); }
    void setPicture(int box, ByteView png) override { pictures[box] = iconNamed(png); calls.push_back('p'); }
    void setEffectText(int row, std::string_view text) override { texts[row] = std::string(text); calls.push_back('t'); }
    void showChanges() override { calls.push_back('s'); }

    std::vector<std::string> resultColumn() const { return column(recipe_panel::FIRST_RESULT_BOX); }
    std::vector<std::string> ingredientColumn() const { return column(recipe_panel::FIRST_INGREDIENT_BOX); }

private:
    static std::string iconNamed(ByteView png) {
        for (std::size_t i = 0; i < kEmbeddedFileCount; ++i) {
            if (kEmbeddedFiles[i].data == png.data) return kEmbeddedFiles[i].name;
        }
        return "<unknown>";
    }
    std::vector<std::string> column(int firstBox) const {
        std::vector<std::string> names;
        for (int row = 0; row < 9; ++row) {
            auto found = pictures.find(firstBox + row);
            names.push_back(found == pictures.end() ? "" : found->second);
        }
        return names;
    }
};

std::vector<std::string> combos(std::vector<int> items) {
    std::vector<std::string> names;
    for (int item : items) names.push_back(combinedIcon(item).name());
    return names;
}

const std::vector<std::string> kBaseIcons = {"base_1", "base_2", "base_3", "base_4", "base_5",
                                             "base_6", "base_7", "base_8", "base_9"};

TEST(RecipePanel, PrepareHidesThePanelAndFillsTheBaseIcons) {
    FakeView view;
    recipe_panel::prepare(view);
    EXPECT_FALSE(view.visible);
    for (int box = 1; box <= 9; ++box) EXPECT_EQ(view.pictures[box], kBaseIcons[box - 1]);
    EXPECT_EQ(view.ingredientColumn(), kBaseIcons);
    EXPECT_EQ(view.pictures.count(recipe_panel::FIRST_RESULT_BOX), 0u) << "results wait for a press";
    EXPECT_TRUE(view.texts.empty());
}

TEST(RecipePanel, PressOnThreeShowsItsRows) {
    FakeView view;
    recipe_panel::prepare(view);
    recipe_panel::pressed(view, 3);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.resultColumn(), combos({3, 11, 18, 19, 20, 21, 22, 23, 24}));
    EXPECT_EQ(view.texts[3], effectText(18));
    EXPECT_EQ(view.ingredientColumn(), kBaseIcons);
}

TEST(RecipePanel, TheToggleIgnoresWhichItemWasPressed) {
    FakeView view;
    recipe_panel::prepare(view);
    recipe_panel::pressed(view, 3);
    recipe_panel::pressed(view, 5);
    EXPECT_FALSE(view.visible);
    EXPECT_EQ(view.resultColumn(), combos({5, 13, 20, 26, 31, 32, 33, 34, 35})) << "filled while hidden too";
    recipe_panel::pressed(view, 1);
    EXPECT_TRUE(view.visible);
    EXPECT_EQ(view.resultColumn(), combos({1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST(RecipePanel, APressPaintsOnceAfterEverythingIsSet) {
    FakeView view;
    recipe_panel::prepare(view);
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), 's'), 0) << "the first frame paints after start-up";
    for (BaseItem item : {4, 4}) {  // the press that opens and the one that closes
        view.calls.clear();
        recipe_panel::pressed(view, item);
        ASSERT_EQ(view.calls.size(), 1u + 9 + 9 + 1);
        EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), 's'), 1);
        EXPECT_EQ(view.calls.back(), 's');
    }
}

TEST(RecipePanel, PressOnEightShowsItsTextsInRowOrder) {
    FakeView view;
    recipe_panel::prepare(view);
    recipe_panel::pressed(view, 8);
    const int items[] = {8, 16, 23, 29, 34, 38, 41, 43, 44};
    for (int row = 1; row <= 9; ++row) EXPECT_EQ(view.texts[row], effectText(items[row - 1])) << "row " << row;
}

}  // namespace
}  // namespace varnomel
