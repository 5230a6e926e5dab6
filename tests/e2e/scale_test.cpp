// The overlay at the display's scale: every size of the form taken at the
// display's DPI, and config.ini keeping its sizes in 96-DPI units. These tests
// run at 96 DPI with the others and again in a Wine prefix set to 144 DPI.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "config_text.h"
#include "form_layout.h"
#include "input.h"
#include "overlay_actions.h"
#include "overlay_process.h"
#include "screen.h"

namespace varnomel::e2e {
namespace {

int displayDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A size of the form at the display's scale.
long scaled(int designValue) { return MulDiv(designValue, displayDpi(), 96); }

bool inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

TEST(Scale, TheWindowAndTheHandleHaveTheFormsSizesAtTheDisplaysScale) {
    RecordProperty("dpi", displayDpi());
    // A run meant for another scale must not pass quietly at the usual one.
    if (const char* expected = std::getenv("VARNOMEL_EXPECTED_DPI")) {
        ASSERT_EQ(displayDpi(), std::atoi(expected));
    }
    OverlayProcess overlay(configText(375, 380, 30, 20));
    ASSERT_TRUE(overlay.started());
    EXPECT_EQ(geometryOf(overlay), (Geometry{30, 20, scaled(375), scaled(380)}));
    const RECT handle = overlay.screenRect(form::LABEL_1);
    EXPECT_EQ(handle.right - handle.left, scaled(54));
    EXPECT_EQ(handle.bottom - handle.top, scaled(28));
    const RECT first = overlay.screenRect(form::pictureBoxId(1));
    EXPECT_EQ(first.left - 30, scaled(56));
    EXPECT_EQ(first.right - first.left, scaled(32));
}

TEST(Scale, TheHandleShowsBothOfItsLinesWhole) {
    OverlayProcess overlay(configText(375, 380, 30, 20));
    ASSERT_TRUE(overlay.started());
    RECT client{};
    HWND handle = overlay.control(form::LABEL_1);
    GetClientRect(handle, &client);
    MapWindowPoints(handle, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    // Rows and columns that hold some of the letters: anything but the yellow ground.
    std::vector<bool> inkedRow(height), inkedColumn(width);
    waitUntil([&] {
        const Pixels shown = captureScreen(client);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                if (shown.at(x, y) == rgb(255, 255, 0)) continue;
                inkedRow[y] = true;
                inkedColumn[x] = true;
            }
        }
        return inkedRow[height * 3 / 4];
    }, 3000);
    const auto anyInked = [](const std::vector<bool>& inked, std::size_t from, std::size_t to) {
        return std::find(inked.begin() + from, inked.begin() + to, true) != inked.begin() + to;
    };
    const std::size_t rows = inkedRow.size();
    EXPECT_TRUE(anyInked(inkedRow, 0, rows / 3)) << "the first line";
    EXPECT_TRUE(anyInked(inkedRow, rows * 2 / 3, rows)) << "the second line";
    // A font too large for the handle wraps each line after two of its four characters.
    const std::size_t columns = inkedColumn.size();
    EXPECT_TRUE(anyInked(inkedColumn, columns * 4 / 5, columns)) << "the fourth character of a line";
}

TEST(Scale, ThePanelsRowsLieInsideThePanel) {
    OverlayProcess overlay(configText(375, 380, 30, 20));
    ASSERT_TRUE(overlay.started());
    const POINT third = centreOf(overlay.screenRect(form::pictureBoxId(3)));
    leftClick(third.x, third.y);
    ASSERT_TRUE(waitUntil([&] { return visible(overlay.control(form::GROUP_BOX_1)); }));
    const RECT panel = overlay.screenRect(form::GROUP_BOX_1);
    EXPECT_EQ(panel.right - panel.left, scaled(360));
    for (int row = 1; row <= form::PANEL_ROWS; ++row) {
        SCOPED_TRACE(row);
        EXPECT_TRUE(inside(overlay.screenRect(form::pictureBoxId(9 + row)), panel));
        EXPECT_TRUE(inside(overlay.screenRect(form::pictureBoxId(18 + row)), panel));
        EXPECT_TRUE(inside(overlay.screenRect(form::transparentLabelId(row)), panel));
    }
}

TEST(Scale, AStoredSizeIsTakenAtTheDisplaysScale) {
    OverlayProcess overlay(configText(500, 400, 10, 10));
    ASSERT_TRUE(overlay.started());
    EXPECT_EQ(geometryOf(overlay), (Geometry{10, 10, scaled(500), scaled(400)}));
}

TEST(Scale, TheGripStopsAtTheMinimumSizeAtTheDisplaysScale) {
    OverlayProcess overlay(configText(600, 500, 20, 250));
    ASSERT_TRUE(overlay.started());
    choose(overlay, Item::ResizeMode);
    ASSERT_TRUE(waitUntil([&] { return visible(overlay.control(form::LABEL_2)); }));
    const Geometry expected{20, 250, scaled(375), scaled(380)};
    dragBy(centreOf(overlay.screenRect(form::LABEL_2)), -scaled(300), -scaled(200),
           [&] { return geometryOf(overlay) == expected; });
    EXPECT_TRUE(waitUntil([&] { return geometryOf(overlay) == expected; })) << geometryOf(overlay);
}

TEST(Scale, TheHandleDragsTheWindowWithThePointer) {
    OverlayProcess overlay(configText(375, 380, 40, 40));
    ASSERT_TRUE(overlay.started());
    const Geometry expected{40 + 120, 40 + 90, scaled(375), scaled(380)};
    dragBy(centreOf(overlay.screenRect(form::LABEL_1)), 120, 90, [&] { return geometryOf(overlay) == expected; });
    EXPECT_TRUE(waitUntil([&] { return geometryOf(overlay) == expected; })) << geometryOf(overlay);
}

TEST(Scale, ExitStoresTheSizeInNinetySixDpiUnits) {
    OverlayProcess overlay(configText(375, 380, 30, 20));
    ASSERT_TRUE(overlay.started());
    choose(overlay, Item::Exit);
    EXPECT_EQ(overlay.waitForExit(10000), std::optional<DWORD>(0));
    EXPECT_EQ(nonEmptyLines(overlay.readConfig()), nonEmptyLines(configText(375, 380, 30, 20)));
}

}  // namespace
}  // namespace varnomel::e2e
