#include "overlay_actions.h"

#include <gtest/gtest.h>

#include "form_layout.h"
#include "screen.h"

namespace varnomel::e2e {

HWND popupMenuOf(const OverlayProcess& overlay) {
    return visibleWindowOf(overlay.processId(), [](HWND window) { return classOf(window) == L"#32768"; });
}

HWND aboutBoxOf(const OverlayProcess& overlay) {
    return visibleWindowOf(overlay.processId(), [](HWND window) { return textOf(window) == L"关于"; });
}

void rightPressOnTheHandle(const OverlayProcess& overlay) {
    const POINT handle = centreOf(overlay.screenRect(form::LABEL_1));
    moveMouse(handle.x, handle.y);
    rightButton(true);
    rightButton(false);
}

HWND openContextMenu(const OverlayProcess& overlay) {
    rightPressOnTheHandle(overlay);
    HWND popup = nullptr;
    pumpUntil([&] { return (popup = popupMenuOf(overlay)) != nullptr; });
    return popup;
}

void choose(const OverlayProcess& overlay, Item item) {
    ASSERT_NE(openContextMenu(overlay), nullptr) << "the context menu did not open";
    for (int step = 0; step < static_cast<int>(item); ++step) pressKey(VK_DOWN);
    pressKey(VK_RETURN);
    ASSERT_TRUE(pumpUntil([&] { return popupMenuOf(overlay) == nullptr; })) << "the context menu did not close";
}

void settle(const OverlayProcess& overlay) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(overlay.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
    Sleep(200);  // a posted command would have run by now
    SendMessageTimeoutW(overlay.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

}  // namespace varnomel::e2e
