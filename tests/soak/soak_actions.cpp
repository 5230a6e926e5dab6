#include "soak_actions.h"

#include <sstream>

#include "catalogue.h"
#include "form_layout.h"
#include "input.h"

namespace varnomel::soak {
namespace {

using e2e::OverlayProcess;
using e2e::waitUntil;

bool panelShown(const OverlayProcess& overlay) { return IsWindowVisible(overlay.control(form::GROUP_BOX_1)) != FALSE; }

HWND popupMenuOf(const OverlayProcess& overlay) {
    return e2e::visibleWindowOf(overlay.processId(), [](HWND window) { return e2e::classOf(window) == L"#32768"; });
}

std::wstring wideOf(std::string_view gbk) {
    wchar_t text[256] = {};
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), text, 255);
    return text;
}

std::string describe(const RECT& r) {
    std::ostringstream text;
    text << r.right - r.left << " x " << r.bottom - r.top << " at (" << r.left << ", " << r.top << ")";
    return text.str();
}

bool sameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// Holds the left button from `from`, moves by (dx, dy) in small steps and
// releases once the window shows `expected`. Under Wine a late motion report
// of the X display now and then puts an earlier step back after the last one:
// the last position is then given again.
std::string leftDragUntil(const OverlayProcess& overlay, POINT from, long dx, long dy, const RECT& expected) {
    e2e::moveMouse(from.x, from.y);
    e2e::leftButton(true);
    Sleep(60);
    constexpr int steps = 6;
    for (int step = 1; step <= steps; ++step) e2e::moveMouse(from.x + dx * step / steps, from.y + dy * step / steps);
    const auto arrived = [&] { return sameRect(overlay.windowRect(), expected); };
    for (int attempt = 0; attempt < 3 && !waitUntil(arrived, 500); ++attempt) e2e::moveMouse(from.x + dx, from.y + dy);
    e2e::leftButton(false);
    if (!waitUntil(arrived, 2000)) return "the window is " + describe(overlay.windowRect()) + ", not " + describe(expected);
    // The controls follow a new size while the program handles it: until then
    // an icon's rectangle read from outside may still be the old one.
    if (!answers(overlay)) return "the overlay stopped answering";
    return {};
}

// The base item whose recipe in `row` has the effect text `text`, or 0.
int itemShowing(const std::wstring& text, int row) {
    for (int item = 1; item <= BASE_ITEM_COUNT; ++item) {
        if (wideOf(effectText(recipe(item, row))) == text) return item;
    }
    return 0;
}

}  // namespace

std::string pressItem(const OverlayProcess& overlay, int item) {
    const bool shownBefore = panelShown(overlay);
    const POINT centre = e2e::centreOf(overlay.screenRect(form::pictureBoxId(item)));
    e2e::moveMouse(centre.x, centre.y);
    e2e::leftButton(true);
    e2e::leftButton(false);
    if (!waitUntil([&] { return panelShown(overlay) != shownBefore; })) {
        return "a press on item " + std::to_string(item) + " did not " + (shownBefore ? "hide" : "show") + " the panel";
    }
    return {};
}

std::string checkRows(const OverlayProcess& overlay, int item) {
    for (int row = 1; row <= BASE_ITEM_COUNT; ++row) {
        const std::wstring expected = wideOf(effectText(recipe(item, row)));
        // The panel is shown or hidden first and its rows filled afterwards.
        std::wstring shown;
        if (!waitUntil([&] { return (shown = e2e::textOf(overlay.control(form::transparentLabelId(row)))) == expected; },
                       2000)) {
            return "row " + std::to_string(row) + " does not show item " + std::to_string(item) + "'s text but item " +
                   std::to_string(itemShowing(shown, row)) + "'s";
        }
    }
    return {};
}

std::string openAndEscapeMenu(const OverlayProcess& overlay, int& secondPresses) {
    const POINT handle = e2e::centreOf(overlay.screenRect(form::LABEL_1));
    const auto opened = [&] {
        e2e::moveMouse(handle.x, handle.y);
        e2e::rightButton(true);
        e2e::rightButton(false);
        return waitUntil([&] { return popupMenuOf(overlay) != nullptr; });
    };
    // Seen once in 6,000 presses under Wine: a right press that opened
    // nothing while the program went on answering. It is counted, and only a
    // second such press in a row fails the run.
    if (!opened()) {
        if (!answers(overlay)) return "the overlay no longer answers";
        ++secondPresses;
        if (!opened()) return "the context menu did not open, twice in a row";
    }
    e2e::pressKey(VK_ESCAPE);
    if (!waitUntil([&] { return popupMenuOf(overlay) == nullptr; })) return "Escape did not close the context menu";
    return {};
}

std::string turnOnResizeMode(const OverlayProcess& overlay) {
    const POINT handle = e2e::centreOf(overlay.screenRect(form::LABEL_1));
    e2e::moveMouse(handle.x, handle.y);
    e2e::rightButton(true);
    e2e::rightButton(false);
    if (!waitUntil([&] { return popupMenuOf(overlay) != nullptr; })) return "the context menu did not open";
    e2e::pressKey(VK_DOWN);
    e2e::pressKey(VK_DOWN);
    e2e::pressKey(VK_RETURN);
    if (!waitUntil([&] { return IsWindowVisible(overlay.control(form::LABEL_2)) != FALSE; })) {
        return "the resize item did not show the grip";
    }
    return {};
}

std::string dragHandle(const OverlayProcess& overlay, long dx, long dy) {
    RECT expected = overlay.windowRect();
    OffsetRect(&expected, dx, dy);
    return leftDragUntil(overlay, e2e::centreOf(overlay.screenRect(form::LABEL_1)), dx, dy, expected);
}

std::string dragGrip(const OverlayProcess& overlay, long dx, long dy) {
    RECT expected = overlay.windowRect();
    expected.right += dx;
    expected.bottom += dy;
    return leftDragUntil(overlay, e2e::centreOf(overlay.screenRect(form::LABEL_2)), dx, dy, expected);
}

bool answers(const OverlayProcess& overlay) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(overlay.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored) != 0;
}

}  // namespace varnomel::soak
