// The controls follow the window's size in proportion.
#include "app_fixture.h"
#include "form_layout.h"
#include "scale_arithmetic.h"

namespace varnomel::testing {
namespace {

using LayoutTest = AppTest;

void expectRect(const RECT& actual, const DesignRect& expected, const std::string& name) {
    EXPECT_EQ(actual.left, expected.left) << name;
    EXPECT_EQ(actual.top, expected.top) << name;
    EXPECT_EQ(actual.right - actual.left, expected.width) << name;
    EXPECT_EQ(actual.bottom - actual.top, expected.height) << name;
}

DesignRect scaled(const DesignRect& design, double horizontal, double vertical) {
    return {scaleValue(design.left, horizontal), scaleValue(design.top, vertical), scaleValue(design.width, horizontal),
            scaleValue(design.height, vertical)};
}

class ScaledLayoutTest : public LayoutTest {
protected:
    // Every control but the drag handle at its design rectangle scaled by the
    // window's size against the reference size; the handle as designed.
    void expectLayoutFor(int width, int height, int referenceWidth, int referenceHeight) {
        const double horizontal = sizeRatio(width, referenceWidth);
        const double vertical = sizeRatio(height, referenceHeight);
        for (const ControlSpec& entry : form::controls()) {
            const DesignRect expected = entry.id == form::LABEL_1 ? entry.rect : scaled(entry.rect, horizontal, vertical);
            expectRect(rectInParent(entry.id), expected, entry.name + " at " + std::to_string(width));
        }
    }
};

TEST_F(ScaledLayoutTest, ControlsScaleWithTheWindow) {
    start();
    expectLayoutFor(375, 380, 375, 380);
    setSize(500, 500);
    expectLayoutFor(500, 500, 375, 380);
    expectRect(rectInParent(form::pictureBoxId(2)), {117, 0, 42, 42}, "the second icon at 500 x 500");
    setSize(750, 760);
    expectLayoutFor(750, 760, 375, 380);
    setSize(375, 380);
    expectLayoutFor(375, 380, 375, 380);
}

TEST_F(ScaledLayoutTest, ThePanelsRowsStayInsideThePanel) {
    start();
    pressLeft(form::pictureBoxId(4));
    for (auto size : {std::pair{375, 380}, std::pair{750, 760}, std::pair{500, 420}}) {
        setSize(size.first, size.second);
        RECT panel{};
        GetClientRect(control(form::GROUP_BOX_1), &panel);
        for (int row = 1; row <= 9; ++row) {
            for (int id : {form::pictureBoxId(9 + row), form::pictureBoxId(18 + row), form::transparentLabelId(row)}) {
                const RECT rect = rectInParent(id);
                EXPECT_TRUE(IsWindowVisible(control(id)));
                EXPECT_LE(rect.bottom, panel.bottom) << "row " << row << " at " << size.first;
                EXPECT_LE(rect.right, panel.right) << "row " << row << " at " << size.first;
            }
        }
    }
}

TEST_F(ScaledLayoutTest, ARestoredSizeIsTheReference) {
    writeConfig(configText(750, 760, 0, 0));
    start();
    expectLayoutFor(750, 760, 750, 760);  // the design rectangles, until the next size change
    setSize(375, 380);
    expectLayoutFor(375, 380, 750, 760);
}

}  // namespace
}  // namespace varnomel::testing
