// config.ini read at start-up and written on a close request, with the minimum size.
#include <string>

#include "app_fixture.h"
#include "geometry_text.h"

namespace varnomel::testing {
namespace {

using GeometryTest = AppTest;

struct Geometry {
    int left, top, width, height;
    bool operator==(const Geometry& other) const {
        return left == other.left && top == other.top && width == other.width && height == other.height;
    }
};

std::ostream& operator<<(std::ostream& out, const Geometry& g) {
    return out << "(" << g.left << ", " << g.top << ") " << g.width << " x " << g.height;
}

Geometry geometryOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

// Where each of the file's names and values stands, in the order they must follow.
void expectSavedInOrder(const std::string& file, int width, int height, int left, int top) {
    const std::string parts[] = {
        "[" + std::string(SIZE_SECTION) + "]",
        std::string(WIDTH_KEY) + "=" + std::to_string(width),
        std::string(HEIGHT_KEY) + "=" + std::to_string(height),
        "[" + std::string(POSITION_SECTION) + "]",
        std::string(LEFT_KEY) + "=" + std::to_string(left),
        std::string(TOP_KEY) + "=" + std::to_string(top),
    };
    std::size_t at = 0;
    for (const std::string& part : parts) {
        const std::size_t found = file.find(part, at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << part << "\nin:\n" << file;
        at = found + part.size();
    }
}

TEST_F(GeometryTest, WithoutAFileTheWindowOpensAtTheOriginWithTheMinimumSize) {
    start();
    EXPECT_EQ(geometryOf(outerRect()), (Geometry{0, 0, 375, 380}));
    EXPECT_FALSE(IsWindowVisible(control(form::GROUP_BOX_1)));
    SetWindowPos(window(), nullptr, 40, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(window(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window()));
    expectSavedInOrder(readConfig(), 0, 0, 40, 60);
}

TEST_F(GeometryTest, SavedGeometryIsRestoredWithTheMinimumApplied) {
    struct Case {
        std::string file;
        Geometry expected;
    } cases[] = {
        {configText(375, 380, 100, 200), {100, 200, 375, 380}},
        {configText(500, 400, 10, 20), {10, 20, 500, 400}},
        {configText(300, 500, 10, 20), {10, 20, 375, 500}},
        {configText(-1, 400, 30, 40), {30, 40, 375, 400}},   // -1 keeps the form's width
        {configText(4, -1, -1, 40), {-1, 40, 375, 380}},     // -1 as left is a place like any other
        {configText(1000, 420, 5, 6), {5, 6, 1000, 420}},
    };
    for (const Case& c : cases) {
        writeConfig(c.file);
        start();
        EXPECT_EQ(geometryOf(outerRect()), c.expected) << c.file;
        app.reset();
        removeConfig();
    }
}

TEST_F(GeometryTest, FullWidthDigitsReadAsTheirNumber) {
    std::string file = configText(0, 420, 7, 8);
    // "宽度=０" becomes "宽度=５００" in full-width digits.
    file.replace(file.find(std::string(WIDTH_KEY) + "=0"), WIDTH_KEY.size() + 2,
                 std::string(WIDTH_KEY) + "=\xA3\xB5\xA3\xB0\xA3\xB0");
    writeConfig(file);
    start();
    EXPECT_EQ(geometryOf(outerRect()), (Geometry{7, 8, 500, 420}));
}

TEST_F(GeometryTest, ACloseKeepsTheStartUpSizeAndOtherEntries) {
    writeConfig("[other]\r\nkeep=me\r\n" + configText(375, 380, 100, 200));
    start();
    SetWindowPos(window(), nullptr, 150, 250, 500, 420, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(geometryOf(outerRect()), (Geometry{150, 250, 500, 420}));
    SendMessageW(window(), WM_CLOSE, 0, 0);
    const std::string file = readConfig();
    expectSavedInOrder(file, 375, 380, 150, 250);
    EXPECT_NE(file.find("[other]"), std::string::npos);
    EXPECT_NE(file.find("keep=me"), std::string::npos);
}

// A folder in the file's place can be neither read nor written, whoever runs
// the program (a read-only file is still writable by an administrator).
TEST_F(GeometryTest, AFileThatCannotBeWrittenIsIgnored) {
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string path(module);
    path = path.substr(0, path.find_last_of('\\')) + "\\config.ini";
    ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr));
    start();
    EXPECT_EQ(geometryOf(outerRect()), (Geometry{0, 0, 375, 380}));
    SendMessageW(window(), WM_CLOSE, 0, 0);  // its writes fail quietly
    EXPECT_FALSE(IsWindow(window()));
    EXPECT_TRUE(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
    RemoveDirectoryA(path.c_str());
}

TEST_F(GeometryTest, AWindowSavedOffEveryScreenComesBackOnIt) {
    writeConfig(configText(375, 380, 5000, 5000));
    start();
    const Geometry placed = geometryOf(outerRect());
    RECT screen{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &screen, 0);
    EXPECT_EQ(placed.width, 375);
    EXPECT_EQ(placed.height, 380);
    EXPECT_GE(placed.left, screen.left);
    EXPECT_GE(placed.top, screen.top);
    EXPECT_LE(placed.left + 54, screen.right) << "the drag handle can be reached";
    EXPECT_LE(placed.top + 28, screen.bottom);
}

TEST_F(GeometryTest, AShutdownIsAllowedAndWritesNothing) {
    const std::string original = configText(500, 400, 10, 20);
    writeConfig(original);
    start();
    SetWindowPos(window(), nullptr, 60, 70, 600, 450, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SendMessageW(window(), WM_QUERYENDSESSION, 0, 0));
    SendMessageW(window(), WM_ENDSESSION, TRUE, 0);
    pumpMessages();
    EXPECT_EQ(readConfig(), original);
}

TEST_F(GeometryTest, TheWindowNeverGetsSmallerThanTheMinimum) {
    start();
    struct Case {
        int width, height, expectedWidth, expectedHeight;
    } cases[] = {
        {0, 0, 375, 380}, {374, 600, 375, 600}, {375, 380, 375, 380}, {600, 379, 600, 380}, {800, 900, 800, 900},
    };
    for (const Case& c : cases) {
        setSize(c.width, c.height);
        const Geometry now = geometryOf(outerRect());
        EXPECT_EQ(now.width, c.expectedWidth) << c.width << " x " << c.height;
        EXPECT_EQ(now.height, c.expectedHeight) << c.width << " x " << c.height;
    }
}

}  // namespace
}  // namespace varnomel::testing
