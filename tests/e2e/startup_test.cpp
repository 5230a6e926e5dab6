// The overlay as a user first sees it, and the recipe panel under real clicks.
#include <gtest/gtest.h>

#include <string>

#include "catalogue.h"
#include "form_layout.h"
#include "input.h"
#include "overlay_process.h"
#include "screen.h"

namespace varnomel::e2e {
namespace {

// Halftone stretching blends the edges of a few pixels differently from one
// device context to another; the picture itself must match.
constexpr int CHANNEL_TOLERANCE = 8;
constexpr int STRAY_PIXELS = 30;  // of 900

// Waits a little for the box to be painted, then compares what it shows.
void expectPainted(HWND pictureBox, IconId icon) {
    const Pixels expected = drawIconLikeAPictureBox(iconBytes(icon), 30, 30);
    int differing = 0;
    waitUntil([&] {
        differing = differingPixels(expected, captureScreen(imageArea(pictureBox)), CHANNEL_TOLERANCE);
        return differing <= STRAY_PIXELS;
    }, 3000);
    EXPECT_LE(differing, STRAY_PIXELS) << icon.name();
}

std::wstring wideOf(std::string_view gbk) {
    wchar_t text[256] = {};
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), text, 255);
    return text;
}

bool visible(HWND window) { return IsWindowVisible(window) != FALSE; }

TEST(Startup, AFirstStartShowsTheRowAtTheOriginAndACloseExitsWithZero) {
    OverlayProcess overlay;
    ASSERT_TRUE(overlay.started());
    const RECT rect = overlay.windowRect();
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right - rect.left, 375);
    EXPECT_EQ(rect.bottom - rect.top, 380);
    EXPECT_FALSE(visible(overlay.control(form::GROUP_BOX_1)));
    EXPECT_FALSE(visible(overlay.control(form::LABEL_2)));
    for (int item = 1; item <= 9; ++item) expectPainted(overlay.control(form::pictureBoxId(item)), baseIcon(item));

    overlay.requestClose();
    EXPECT_EQ(overlay.waitForExit(10000), std::optional<DWORD>(0));
    EXPECT_NE(overlay.readConfig().find("=0"), std::string::npos) << "the close stored the start-up size";
}

TEST(Startup, TheHandleIsBlackOnYellow) {
    OverlayProcess overlay;
    ASSERT_TRUE(overlay.started());
    int yellow = 0, black = 0, all = 0;
    waitUntil([&] {
        const Pixels handle = captureScreen(overlay.screenRect(form::LABEL_1));
        all = static_cast<int>(handle.values.size());
        yellow = black = 0;
        for (std::uint32_t value : handle.values) {
            yellow += value == rgb(255, 255, 0);
            black += value == rgb(0, 0, 0);
        }
        return yellow > all / 2 && black > 20;
    }, 3000);
    EXPECT_GT(yellow, all / 2);
    EXPECT_GT(black, 20) << "the two lines of text";
}

TEST(Startup, APressShowsTheRecipesAndTheNextHidesThem) {
    OverlayProcess overlay;
    ASSERT_TRUE(overlay.started());
    leftClick(centreOf(overlay.screenRect(form::pictureBoxId(3))).x, centreOf(overlay.screenRect(form::pictureBoxId(3))).y);
    HWND panel = overlay.control(form::GROUP_BOX_1);
    ASSERT_TRUE(waitUntil([&] { return visible(panel); }));
    const int results[] = {3, 11, 18, 19, 20, 21, 22, 23, 24};
    for (int row = 1; row <= 9; ++row) {
        expectPainted(overlay.control(form::pictureBoxId(9 + row)), baseIcon(row));
        expectPainted(overlay.control(form::pictureBoxId(18 + row)), combinedIcon(results[row - 1]));
    }
    leftClick(centreOf(overlay.screenRect(form::pictureBoxId(3))).x, centreOf(overlay.screenRect(form::pictureBoxId(3))).y);
    EXPECT_TRUE(waitUntil([&] { return !visible(panel); }));
}

TEST(Startup, IconsAreDrawnAnewWhenTheWindowChangesSize) {
    OverlayProcess overlay;
    ASSERT_TRUE(overlay.started());
    SetWindowPos(overlay.window(), nullptr, 0, 0, 750, 760, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND first = overlay.control(form::pictureBoxId(1));
    ASSERT_TRUE(waitUntil([&] {
        RECT client{};
        GetClientRect(first, &client);
        return client.right == 62;  // 64 wide with its edge: twice the design width
    }));
    for (int item = 1; item <= 9; ++item) {
        const RECT area = imageArea(overlay.control(form::pictureBoxId(item)));
        const Pixels expected = drawIconLikeAPictureBox(iconBytes(baseIcon(item)), area.right - area.left,
                                                        area.bottom - area.top);
        int differing = 0;
        waitUntil([&] {
            differing = differingPixels(expected, captureScreen(area), CHANNEL_TOLERANCE);
            return differing <= STRAY_PIXELS * 4;
        }, 3000);
        EXPECT_LE(differing, STRAY_PIXELS * 4) << item;
    }
}

TEST(Startup, TextsReadAsTheirUnicode) {
    RecordProperty("ansi_code_page", static_cast<int>(GetACP()));
    OverlayProcess overlay;
    ASSERT_TRUE(overlay.started());
    EXPECT_EQ(textOf(overlay.control(form::LABEL_1)), L"长按拖动\r\n右键菜单");
    EXPECT_EQ(textOf(overlay.control(form::LABEL_2)), L"\u2198");
    const POINT eight = centreOf(overlay.screenRect(form::pictureBoxId(8)));
    leftClick(eight.x, eight.y);
    ASSERT_TRUE(waitUntil([&] { return visible(overlay.control(form::GROUP_BOX_1)); }));
    const int items[] = {8, 16, 23, 29, 34, 38, 41, 43, 44};
    for (int row = 1; row <= 9; ++row) {
        EXPECT_EQ(textOf(overlay.control(form::transparentLabelId(row))), wideOf(effectText(items[row - 1])))
            << "row " << row;
    }
    EXPECT_EQ(textOf(overlay.control(form::transparentLabelId(8))), L"可上阵人数+1");
    EXPECT_EQ(textOf(overlay.control(form::transparentLabelId(1))), L"携带者也是刺客单位");
}

}  // namespace
}  // namespace varnomel::e2e
