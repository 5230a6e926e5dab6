// Presses on the top row open and close the recipe panel of the real window.
#include <string_view>
#include <vector>

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

// The screen's pixels under a window, as composed.
std::vector<COLORREF> screenUnder(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}

// An effect label paints only its letters, so a new text must first have the
// old one painted over from beneath.
TEST_F(PanelTest, ANewTextLeavesNoTraceOfTheOldOne) {
    start();
    pressLeft(form::pictureBoxId(3));
    pumpMessages();
    HWND label = control(form::transparentLabelId(1));
    const std::string_view shortText = effectText(recipe(8, 8));  // "可上阵人数+1"
    const std::string_view longText = effectText(recipe(2, 9));
    app->form().setEffectText(1, shortText);
    pumpMessages();
    const std::vector<COLORREF> shortShown = screenUnder(label);
    app->form().setEffectText(1, longText);
    pumpMessages();
    EXPECT_TRUE(screenUnder(label) != shortShown) << "the new text shows at once";
    app->form().setEffectText(1, shortText);
    pumpMessages();
    EXPECT_TRUE(screenUnder(label) == shortShown) << "nothing of the longer text is left";
}

}  // namespace
}  // namespace varnomel::testing
