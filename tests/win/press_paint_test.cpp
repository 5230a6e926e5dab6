// A press sets the nine pictures and texts first and then paints the panel in
// one pass: each control once, with what a full repaint would show.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app_fixture.h"
#include "catalogue.h"
#include "form_layout.h"
#include "png_image.h"
#include "recipe_panel.h"

namespace varnomel::testing {
namespace {

// Counts WM_PAINT of each watched window from construction on.
class PaintCounter {
public:
    explicit PaintCounter(std::vector<HWND> windows) : windows_(std::move(windows)) {
        for (HWND window : windows_) SetWindowSubclass(window, countPaint, 1, reinterpret_cast<DWORD_PTR>(this));
    }
    ~PaintCounter() {
        for (HWND window : windows_) RemoveWindowSubclass(window, countPaint, 1);
    }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    int paints(HWND window) const {
        const auto found = counts_.find(window);
        return found == counts_.end() ? 0 : found->second;
    }

private:
    static LRESULT CALLBACK countPaint(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) {
        if (message == WM_PAINT) ++reinterpret_cast<PaintCounter*>(self)->counts_[window];
        return DefSubclassProc(window, message, wParam, lParam);
    }

    std::vector<HWND> windows_;
    std::map<HWND, int> counts_;
};

// The pixels of a width × height 32-bit bitmap after `draw` has drawn on it.
std::vector<std::uint32_t> drawnPixels(int width, int height, const std::function<void(HDC)>& draw) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    draw(memory);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    std::vector<std::uint32_t> copy(pixels, pixels + static_cast<std::size_t>(width) * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    for (auto& pixel : copy) pixel &= 0xFFFFFF;
    return copy;
}

// The screen's pixels in a rectangle, as composed.
std::vector<std::uint32_t> capture(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    return drawnPixels(width, height, [&](HDC memory) {
        HDC screen = GetDC(nullptr);
        BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

// The screen reaches what was painted a little later under Wine: the
// rectangle as soon as two captures 50 ms apart agree (2 s at the most).
std::vector<std::uint32_t> settledCapture(const RECT& area) {
    std::vector<std::uint32_t> last = capture(area);
    for (int attempt = 0; attempt < 40; ++attempt) {
        Sleep(50);
        std::vector<std::uint32_t> now = capture(area);
        if (now == last) break;
        last = std::move(now);
    }
    return last;
}

RECT screenRectOf(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

// The picture box's image area (inside its one-pixel edge) on the screen.
RECT imageAreaOf(HWND box) {
    RECT client{};
    GetClientRect(box, &client);
    MapWindowPoints(box, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// An icon as a picture box of that size draws it.
std::vector<std::uint32_t> iconAsDrawn(IconId icon, const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const ByteView png = iconBytes(icon);
    const auto image = decodePng(png.data, png.size, Rgb{0, 0, 0});
    BITMAPINFO source{};
    source.bmiHeader = {sizeof source.bmiHeader, image->width, -image->height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return drawnPixels(width, height, [&](HDC memory) {
        SetStretchBltMode(memory, HALFTONE);
        SetBrushOrgEx(memory, 0, 0, nullptr);
        StretchDIBits(memory, 0, 0, width, height, 0, 0, image->width, image->height, image->pixels.data(),
                      &source, DIB_RGB_COLORS, SRCCOPY);
    });
}

class PressPaintTest : public AppTest {
protected:
    std::vector<HWND> panelWindows() {
        std::vector<HWND> windows = {control(form::GROUP_BOX_1)};
        for (int box = recipe_panel::FIRST_INGREDIENT_BOX; box <= form::PICTURE_BOX_COUNT; ++box) {
            windows.push_back(control(form::pictureBoxId(box)));
        }
        for (int row = 1; row <= form::PANEL_ROWS; ++row) windows.push_back(control(form::transparentLabelId(row)));
        return windows;
    }

    std::vector<HWND> changedRows() {
        std::vector<HWND> windows;
        for (int row = 1; row <= form::PANEL_ROWS; ++row) {
            windows.push_back(control(form::pictureBoxId(recipe_panel::FIRST_RESULT_BOX - 1 + row)));
            windows.push_back(control(form::transparentLabelId(row)));
        }
        return windows;
    }

    // Runs `change`, then checks that before it returned it had painted each
    // changed row's picture and label once and no panel control or the
    // window more than once, and that nothing is left to paint afterwards.
    void expectOnePaintEach(const std::function<void()>& change) {
        std::vector<HWND> watched = panelWindows();
        watched.push_back(window());
        PaintCounter counter(watched);
        change();
        for (HWND each : changedRows()) EXPECT_EQ(counter.paints(each), 1) << "control " << GetDlgCtrlID(each);
        pumpMessages();
        for (HWND each : watched) EXPECT_LE(counter.paints(each), 1) << "control " << GetDlgCtrlID(each);
    }

    // The rows show `item`'s icons, and the panel looks as a full repaint makes it.
    void expectRowsOf(BaseItem item) {
        for (int row = 1; row <= form::PANEL_ROWS; ++row) {
            const RECT area = imageAreaOf(control(form::pictureBoxId(recipe_panel::FIRST_RESULT_BOX - 1 + row)));
            const auto expected = iconAsDrawn(combinedIcon(recipe(item, row)), area);
            const auto shown = capture(area);
            int differing = 0;
            for (std::size_t i = 0; i < shown.size(); ++i) differing += shown[i] != expected[i];
            EXPECT_EQ(differing, 0) << "row " << row;
        }
        const RECT panel = screenRectOf(control(form::GROUP_BOX_1));
        const auto afterChange = settledCapture(panel);
        RedrawWindow(window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        EXPECT_TRUE(settledCapture(panel) == afterChange) << "a full repaint shows the same: no trace of the old rows";
    }
};

TEST_F(PressPaintTest, APressThatOpensThePanelPaintsEachControlOnce) {
    start();
    pressLeft(form::pictureBoxId(3));
    pumpMessages();
    pressLeft(form::pictureBoxId(5));  // closes it, refilled with item 5
    pumpMessages();
    expectOnePaintEach([&] { pressLeft(form::pictureBoxId(7)); });
    expectRowsOf(7);
}

TEST_F(PressPaintTest, RowsRefilledWhileThePanelIsOpenPaintOnceEach) {
    start();
    pressLeft(form::pictureBoxId(3));
    pumpMessages();
    Form& view = app->form();
    expectOnePaintEach([&] {
        for (int row = 1; row <= form::PANEL_ROWS; ++row) {
            view.setPicture(recipe_panel::FIRST_RESULT_BOX - 1 + row, iconBytes(combinedIcon(recipe(2, row))));
            view.setEffectText(row, effectText(recipe(2, row)));
        }
        view.showChanges();
    });
    expectRowsOf(2);
}

}  // namespace
}  // namespace varnomel::testing
