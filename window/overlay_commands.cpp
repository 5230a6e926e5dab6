// The commands that make the window an overlay: the see-through background,
// the minimum size, dragging and resizing, and the context menu's items.
#include "app.h"
#include "gbk_text.h"
#include "geometry_restore.h"
#include "handles.h"
#include "message_box.h"

namespace varnomel {

namespace {

constexpr int POPUP_OFFSET = 3;
constexpr BYTE UNUSED_ALPHA = 200;  // without LWA_ALPHA it has no effect

Rgb rgbOf(COLORREF colour) {
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

UniqueMenu buildPopup(const MenuModel& menu) {
    UniqueMenu popup(CreatePopupMenu());
    for (const MenuItem& item : menu.contextMenu()) {
        if (item.isSeparator()) {
            AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        const UINT flags = MF_STRING | (item.checked ? MF_CHECKED : 0) | (item.disabled ? MF_GRAYED : 0);
        AppendMenuW(popup.get(), flags, static_cast<UINT_PTR>(item.command), wideFromGbk(item.caption).c_str());
    }
    return popup;
}

}  // namespace

void App::setUpTransparency() {
    form_.window().setBackground(rgbOf(TRANSPARENT_KEY));
    form_.panel().setBackground(rgbOf(TRANSPARENT_KEY));
    HWND window = form_.window().hwnd();
    SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, TRANSPARENT_KEY, UNUSED_ALPHA, LWA_COLORKEY);
}

void App::enforceMinimumSize() {
    MainWindow& window = form_.window();
    const int minimumWidth = form_.scale().pixels(DEFAULT_WIDTH);
    const int minimumHeight = form_.scale().pixels(DEFAULT_HEIGHT);
    // Each resize runs this handler again, nested, before it returns; so the
    // height is read afresh after the width was fixed.
    ScreenRect now = window.geometry();
    if (now.width < minimumWidth) window.setSize(minimumWidth, now.height);
    now = window.geometry();
    if (now.height < minimumHeight) window.setSize(now.width, minimumHeight);
}

void App::restoreDefaultSize() {
    MainWindow& window = form_.window();
    window.setSize(form_.scale().pixels(DEFAULT_WIDTH), window.geometry().height);
    window.setSize(window.geometry().width, form_.scale().pixels(DEFAULT_HEIGHT));
}

void App::beginDrag() { drag_.start(DragKind::Move, form_.control(form::LABEL_1)); }

void App::beginResize() { drag_.start(DragKind::ResizeFromBottomRight, form_.control(form::LABEL_2)); }

void App::openContextMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    UniqueMenu popup = buildPopup(menu_);
    HWND window = form_.window().hwnd();
    foregroundBeforeMenu_ = GetForegroundWindow();
    // Without the foreground a click elsewhere would not close the menu.
    SetForegroundWindow(window);
    const int offset = form_.scale().pixels(POPUP_OFFSET);
    TrackPopupMenu(popup.get(), TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, cursor.x + offset, cursor.y + offset, 0,
                   window, nullptr);
    PostMessageW(window, WM_NULL, 0, 0);
    // The chosen item's command comes after this, and About gives it back again.
    giveTheForegroundBack();
}

// Back to the game, unless the user has gone to another window meanwhile.
void App::giveTheForegroundBack() const {
    HWND now = GetForegroundWindow();
    DWORD owner = 0;
    if (now) GetWindowThreadProcessId(now, &owner);
    const bool stillOurs = now == nullptr || owner == GetCurrentProcessId();
    HWND before = foregroundBeforeMenu_;
    if (stillOurs && before && before != now && IsWindow(before)) SetForegroundWindow(before);
}

void App::toggleAlwaysOnTop() {
    const bool onTop = !menu_.checked(COMMAND_ALWAYS_ON_TOP);
    menu_.setChecked(COMMAND_ALWAYS_ON_TOP, onTop);
    SetWindowPos(form_.window().hwnd(), onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

void App::toggleResizeMode() {
    const bool resizing = !menu_.checked(COMMAND_RESIZE_MODE);
    menu_.setChecked(COMMAND_RESIZE_MODE, resizing);
    form_.control(form::LABEL_2).setVisible(resizing);
}

void App::showAbout() {
    showMessageBox(form_.window().hwnd(), aboutText(), aboutCaption(), MB_OK);
    giveTheForegroundBack();
}

void App::exitFromMenu() {
    // Sizes are stored in 96-DPI units, so the file means the same at every scale.
    const GeometrySettings stored = storedGeometry(form_.window().geometry(), form_.scale());
    saveGeometry(profile_, stored.width, stored.height, stored.left, stored.top);
    endProgram(0);
}

}  // namespace varnomel
