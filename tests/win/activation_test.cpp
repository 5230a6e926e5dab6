// Presses never activate the overlay, and its controls take double clicks as
// such, so that the second press of one does nothing.
#include "app_fixture.h"
#include "form_layout.h"

namespace varnomel::testing {
namespace {

using ActivationTest = AppTest;

TEST_F(ActivationTest, APressOnTheWindowOrAnyControlDoesNotActivateIt) {
    start();
    for (int id : {form::LABEL_1, form::pictureBoxId(3), form::transparentLabelId(2)}) {
        const LRESULT answer = SendMessageW(control(id), WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(window()),
                                            MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
        EXPECT_EQ(answer, MA_NOACTIVATE) << id;
    }
}

TEST_F(ActivationTest, TheControlsTakeDoubleClicks) {
    start();
    for (int id : {form::LABEL_1, form::LABEL_2, form::pictureBoxId(1), form::pictureBoxId(27)}) {
        EXPECT_TRUE(GetClassLongPtrW(control(id), GCL_STYLE) & CS_DBLCLKS) << id;
    }
}

TEST_F(ActivationTest, ADoubleClickOnAnItemDoesNothing) {
    start();
    pressLeft(form::pictureBoxId(4));
    ASSERT_TRUE(IsWindowVisible(control(form::GROUP_BOX_1)));
    SendMessageW(control(form::pictureBoxId(4)), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(control(form::pictureBoxId(4)), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(IsWindowVisible(control(form::GROUP_BOX_1))) << "the panel stays open";
}

}  // namespace
}  // namespace varnomel::testing
