// Moving to a display of another DPI: the window takes the rectangle the
// system suggests, the controls and fonts are made for the new scale, and the
// proportions the user set by resizing are kept.
#include "app_fixture.h"
#include "form_layout.h"

namespace varnomel::testing {
namespace {

class DpiChangeTest : public AppTest {
protected:
    void moveToDisplayOf(int dpi, int width, int height) {
        const RECT before = outerRect();
        RECT suggested{before.left, before.top, before.left + width, before.top + height};
        SendMessageW(window(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
        pumpMessages();
    }
    void expectRect(int id, RECT expected) {
        const RECT actual = rectInParent(id);
        EXPECT_EQ(actual.left, expected.left) << id;
        EXPECT_EQ(actual.top, expected.top) << id;
        EXPECT_EQ(actual.right - actual.left, expected.right) << id << " width";
        EXPECT_EQ(actual.bottom - actual.top, expected.bottom) << id << " height";
    }
    LONG effectFontHeight() {
        LOGFONTW look{};
        GetObjectW(app->form().control(form::transparentLabelId(1)).font(), sizeof look, &look);
        return look.lfHeight;
    }
};

TEST_F(DpiChangeTest, AtTheDesignSizeEveryControlTakesItsRectangleAtTheNewScale) {
    writeConfig(configText(375, 380, 20, 30));
    start();
    ASSERT_EQ(app->form().scale().dpi(), 96) << "the in-process tests run at 96 DPI";
    EXPECT_EQ(effectFontHeight(), -14);
    moveToDisplayOf(144, 563, 570);
    const RECT window = outerRect();
    EXPECT_EQ(window.right - window.left, 563);
    EXPECT_EQ(window.bottom - window.top, 570);
    expectRect(form::LABEL_1, {0, 0, 81, 42});
    expectRect(form::pictureBoxId(2), {132, 0, 48, 48});
    expectRect(form::GROUP_BOX_1, {12, 60, 540, 468});
    expectRect(form::transparentLabelId(9), {144, 408, 375, 48});
    EXPECT_EQ(effectFontHeight(), -21);
}

TEST_F(DpiChangeTest, TheProportionsOfAResizedWindowAreKeptThereAndBack) {
    writeConfig(configText(375, 380, 20, 30));
    start();
    setSize(500, 500);
    expectRect(form::pictureBoxId(2), {117, 0, 42, 42});
    moveToDisplayOf(144, 750, 750);
    // 132 and 48 at 750 ÷ 563 across and 750 ÷ 570 down: half as large again as before.
    expectRect(form::pictureBoxId(2), {175, 0, 63, 63});
    moveToDisplayOf(96, 500, 500);
    expectRect(form::pictureBoxId(2), {117, 0, 42, 42});
    expectRect(form::LABEL_1, {0, 0, 54, 28});
    EXPECT_EQ(effectFontHeight(), -14);
}

TEST_F(DpiChangeTest, TheMinimumSizeIsTakenAtTheNewScale) {
    start();
    moveToDisplayOf(144, 400, 400);
    const RECT window = outerRect();
    EXPECT_EQ(window.right - window.left, 563);
    EXPECT_EQ(window.bottom - window.top, 570);
}

}  // namespace
}  // namespace varnomel::testing
