// Presses on the top row open and close the recipe panel of the real window.
#include "app_fixture.h"
#include "catalogue.h"
#include "form_layout.h"
#include "gbk_text.h"

namespace varnomel::testing {
namespace {

using PanelTest = AppTest;

bool panelShown(HWND panel) { return IsWindowVisible(panel) != FALSE; }

TEST_F(PanelTest, APressShowsTheItemsRowsAndASecondHidesThem) {
    start();
    HWND panel = control(form::GROUP_BOX_1);
    ASSERT_FALSE(panelShown(panel));
    pressLeft(form::pictureBoxId(3));
    EXPECT_TRUE(panelShown(panel));
    for (int row = 1; row <= 9; ++row) {
        EXPECT_EQ(windowText(control(form::transparentLabelId(row))), wideFromGbk(effectText(recipe(3, row))));
        EXPECT_TRUE(IsWindowVisible(control(form::pictureBoxId(18 + row))));
    }
    EXPECT_EQ(windowText(control(form::transparentLabelId(3))), L"增加50%技能伤害");
    pressLeft(form::pictureBoxId(5));
    EXPECT_FALSE(panelShown(panel));
    pressLeft(form::pictureBoxId(1));
    EXPECT_TRUE(panelShown(panel));
    EXPECT_EQ(windowText(control(form::transparentLabelId(9))), wideFromGbk(effectText(9)));
}

TEST_F(PanelTest, OtherPressesDoNothing) {
    start();
    HWND panel = control(form::GROUP_BOX_1);
    SendMessageW(control(form::pictureBoxId(3)), WM_RBUTTONDOWN, MK_RBUTTON, 0);
    EXPECT_FALSE(panelShown(panel)) << "the right button";
    pressLeft(form::pictureBoxId(3));
    pressLeft(form::pictureBoxId(12));
    pressLeft(form::pictureBoxId(21));
    EXPECT_TRUE(panelShown(panel)) << "presses inside the panel";
    EXPECT_EQ(windowText(control(form::transparentLabelId(1))), wideFromGbk(effectText(3)));
}

}  // namespace
}  // namespace varnomel::testing
