// Whatever config.ini holds, the overlay starts, stays usable and ends cleanly.
#include <gtest/gtest.h>

#include <string>

#include "form_layout.h"
#include "geometry_text.h"
#include "overlay_process.h"

namespace varnomel::e2e {
namespace {

std::string sizeSection(const std::string& width, const std::string& height) {
    return "[" + std::string(SIZE_SECTION) + "]\r\n" + std::string(WIDTH_KEY) + "=" + width + "\r\n" +
           std::string(HEIGHT_KEY) + "=" + height + "\r\n";
}

std::string binaryJunk() {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 7919) % 256));
    return junk;
}

TEST(HostileConfig, TheOverlayStartsAndClosesWhateverTheFileHolds) {
    struct Case {
        const char* what;
        std::string file;
        int minimumWidth, minimumHeight;
    } cases[] = {
        {"binary junk", binaryJunk(), 375, 380},
        {"a 100 KB line", sizeSection(std::string(100 * 1024, '9'), "400"), 375, 380},
        {"ten million", sizeSection("10000000", "10000000"), 375, 380},
        {"negative sizes", sizeSection("-500", "-20"), 375, 380},
        {"letters", sizeSection("abc", "12px"), 375, 380},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OverlayProcess overlay(c.file);
        ASSERT_TRUE(overlay.started());
        const RECT rect = overlay.windowRect();
        EXPECT_GE(rect.right - rect.left, c.minimumWidth);
        EXPECT_GE(rect.bottom - rect.top, c.minimumHeight);
        EXPECT_TRUE(IsWindow(overlay.control(form::LABEL_1)));
        overlay.requestClose();
        EXPECT_EQ(overlay.waitForExit(10000), std::optional<DWORD>(0));
    }
}

}  // namespace
}  // namespace varnomel::e2e
