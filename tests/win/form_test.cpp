// The window and its controls as the form builds them.
#include <vector>

#include "app_fixture.h"
#include "form_layout.h"
#include "gbk_text.h"
#include "menu_model.h"

namespace varnomel::testing {
namespace {

using FormTest = AppTest;

TEST_F(FormTest, TheWindowIsAFramelessTopmostPopupWithoutMenuBar) {
    start();
    const LONG style = GetWindowLongW(window(), GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window(), GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_CLIPCHILDREN);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MAXIMIZEBOX | WS_BORDER));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW) << "the window keeps its taskbar button";
    EXPECT_EQ(GetWindow(window(), GW_OWNER), nullptr);
    EXPECT_EQ(GetMenu(window()), nullptr);
    EXPECT_EQ(windowText(window()), L"");
    EXPECT_TRUE(IsWindowVisible(window()));
    EXPECT_NE(GetClassLongPtrW(window(), GCLP_HICON), 0u) << "the application icon";
    EXPECT_NE(GetClassLongPtrW(window(), GCLP_HICONSM), 0u);

    RECT client{}, outer = outerRect();
    GetClientRect(window(), &client);
    EXPECT_EQ(client.right, outer.right - outer.left) << "outer and client size coincide";
    EXPECT_EQ(client.bottom, outer.bottom - outer.top);
}

TEST_F(FormTest, EveryControlHasItsParentRectangleAndVisibility) {
    start();
    for (const ControlSpec& entry : form::controls()) {
        SCOPED_TRACE(entry.name);
        HWND handle = control(entry.id);
        ASSERT_NE(handle, nullptr);
        EXPECT_EQ(GetDlgCtrlID(handle), entry.id);
        HWND expectedParent = entry.parent == ParentWindow::Panel ? control(form::GROUP_BOX_1) : window();
        EXPECT_EQ(GetParent(handle), expectedParent);
        const RECT rect = rectInParent(entry.id);
        EXPECT_EQ(rect.left, entry.rect.left);
        EXPECT_EQ(rect.top, entry.rect.top);
        EXPECT_EQ(rect.right - rect.left, entry.rect.width);
        EXPECT_EQ(rect.bottom - rect.top, entry.rect.height);
        const bool flagSet = (GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE) != 0;
        EXPECT_EQ(flagSet, entry.shownAtStart);
    }
    EXPECT_FALSE(IsWindowVisible(control(form::GROUP_BOX_1)));
    EXPECT_FALSE(IsWindowVisible(control(form::LABEL_2)));
    EXPECT_FALSE(IsWindowVisible(control(form::pictureBoxId(19)))) << "panel controls hide with the panel";
}

TEST_F(FormTest, ControlsHoldTheirTextsAsUnicode) {
    start();
    EXPECT_EQ(windowText(control(form::LABEL_1)), L"长按拖动\r\n右键菜单");
    EXPECT_EQ(windowText(control(form::LABEL_2)), L"\u2198");
    EXPECT_EQ(windowText(control(form::GROUP_BOX_1)), L"");
}

TEST_F(FormTest, EdgesAndKinds) {
    start();
    const auto exStyle = [&](int id) { return GetWindowLongW(control(id), GWL_EXSTYLE); };
    EXPECT_TRUE(exStyle(form::LABEL_1) & WS_EX_STATICEDGE);
    EXPECT_TRUE(exStyle(form::LABEL_2) & WS_EX_DLGMODALFRAME);
    for (int box = 1; box <= 27; ++box) {
        EXPECT_TRUE(exStyle(form::pictureBoxId(box)) & WS_EX_STATICEDGE) << box;
        RECT client{};
        GetClientRect(control(form::pictureBoxId(box)), &client);
        EXPECT_EQ(client.right, 30) << "a one-pixel edge on each side";
    }
    for (int row = 1; row <= 9; ++row) EXPECT_TRUE(exStyle(form::transparentLabelId(row)) & WS_EX_TRANSPARENT);
    EXPECT_EQ(GetWindowLongW(control(form::GROUP_BOX_1), GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
}

std::vector<HWND> childrenTopFirst(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

TEST_F(FormTest, StackingAfterStartUpFollowsTheRegistrationOrder) {
    start();
    std::vector<HWND> top = {control(form::LABEL_1)};
    for (int box = 1; box <= 9; ++box) top.push_back(control(form::pictureBoxId(box)));
    top.push_back(control(form::LABEL_2));
    top.push_back(control(form::GROUP_BOX_1));
    EXPECT_EQ(childrenTopFirst(window()), top);

    std::vector<HWND> panel;
    for (int box = 10; box <= 27; ++box) panel.push_back(control(form::pictureBoxId(box)));
    for (int row = 1; row <= 9; ++row) panel.push_back(control(form::transparentLabelId(row)));
    EXPECT_EQ(childrenTopFirst(control(form::GROUP_BOX_1)), panel);
}

TEST_F(FormTest, TheBackgroundIsAColourKey) {
    start();
    EXPECT_TRUE(GetWindowLongW(window(), GWL_EXSTYLE) & WS_EX_LAYERED);
    COLORREF key = 0;
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(window(), &key, &alpha, &flags));
    EXPECT_EQ(key, RGB(128, 128, 128));
    EXPECT_EQ(flags, static_cast<DWORD>(LWA_COLORKEY));
}

TEST_F(FormTest, TheGripShowsTheSizingCursorAndEverythingElseTheArrow) {
    start();
    command(COMMAND_RESIZE_MODE);
    const auto cursorOver = [&](HWND target) {
        SendMessageW(target, WM_SETCURSOR, reinterpret_cast<WPARAM>(target), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    EXPECT_EQ(cursorOver(control(form::LABEL_2)), LoadCursor(nullptr, IDC_SIZENWSE));
    for (int id : {form::LABEL_1, form::pictureBoxId(1), form::pictureBoxId(20), form::transparentLabelId(4)}) {
        EXPECT_EQ(cursorOver(control(id)), arrow) << id;
    }
    EXPECT_EQ(cursorOver(window()), arrow);
}

LRESULT CALLBACK refuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(FormTest, AWindowThatCannotBeBuiltFailsTheStart) {
    // A class of the same name that refuses every window takes the place of the program's.
    HINSTANCE instance = GetModuleHandleW(nullptr);
    UnregisterClassW(L"VarnomelWindow", instance);
    WNDCLASSEXW refusing{};
    refusing.cbSize = sizeof refusing;
    refusing.lpfnWndProc = refuseCreation;
    refusing.hInstance = instance;
    refusing.lpszClassName = L"VarnomelWindow";
    ASSERT_TRUE(RegisterClassExW(&refusing));
    app = std::make_unique<App>(instance);
    EXPECT_FALSE(app->start());
    app.reset();
    UnregisterClassW(L"VarnomelWindow", instance);
    EXPECT_EQ(readConfig(), "") << "nothing is written";
}

TEST_F(FormTest, KeysDoNothing) {
    start();
    const RECT before = outerRect();
    for (WPARAM key : {VK_ESCAPE, VK_RETURN, VK_F1}) {
        SendMessageW(window(), WM_KEYDOWN, key, 0);
        SendMessageW(window(), WM_KEYUP, key, 0);
    }
    pumpMessages();
    EXPECT_TRUE(IsWindow(window()));
    EXPECT_TRUE(IsWindowVisible(window()));
    const RECT after = outerRect();
    EXPECT_TRUE(EqualRect(&before, &after));
}

}  // namespace
}  // namespace varnomel::testing
