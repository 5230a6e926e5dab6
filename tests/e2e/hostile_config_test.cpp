// Whatever config.ini holds, the overlay starts with the geometry it must read
// from it, shows a window that can be reached, and a close or Exit writes
// only its four keys, leaving the rest as the platform's profile writer keeps it.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "form_layout.h"
#include "geometry_file.h"
#include "geometry_text.h"
#include "input.h"
#include "overlay_process.h"

namespace varnomel::e2e {
namespace {

constexpr int DEFAULT_WIDTH = 375;
constexpr int DEFAULT_HEIGHT = 380;

// Beyond what the window system lets a window be: the size it gives is its own
// business, only the minimum counts.
constexpr long SYSTEM_LIMIT = LONG_MAX;
// A window moved back from far off screen before its size was raised to the
// minimum: its handle against the work area's right or bottom edge.
constexpr long HANDLE_AT_AREA_END = LONG_MIN;

std::string gbk(std::string_view name) { return std::string(name); }

// The program's sections and keys with the given value texts.
std::string geometryLines(const std::string& width, const std::string& height, const std::string& left,
                          const std::string& top, const std::string& lineEnd = "\r\n") {
    return "[" + gbk(SIZE_SECTION) + "]" + lineEnd + gbk(WIDTH_KEY) + "=" + width + lineEnd + gbk(HEIGHT_KEY) + "=" +
           height + lineEnd + "[" + gbk(POSITION_SECTION) + "]" + lineEnd + gbk(LEFT_KEY) + "=" + left + lineEnd +
           gbk(TOP_KEY) + "=" + top + lineEnd;
}

// The same lines as a text editor saves them in UTF-8 or UTF-16.
const char* const UTF8_LINES =
    u8"[窗体大小]\r\n宽度=500\r\n高度=420\r\n[窗体位置]\r\n左边=30\r\n顶边=40\r\n";
const wchar_t* const UTF16_LINES = L"[窗体大小]\r\n宽度=500\r\n高度=420\r\n[窗体位置]\r\n左边=30\r\n顶边=40\r\n";

std::string utf16WithMark() {
    std::string bytes = "\xFF\xFE";
    for (const wchar_t* c = UTF16_LINES; *c; ++c) {
        bytes += static_cast<char>(*c & 0xFF);
        bytes += static_cast<char>(*c >> 8);
    }
    return bytes;
}

std::string binaryJunk() {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 7919) % 256));
    return junk;
}

std::string oneLineOfOneMegabyte() {
    const std::string piece = "[" + gbk(SIZE_SECTION) + "]" + gbk(WIDTH_KEY) + "=500 ";
    std::string line;
    while (line.size() < 1024 * 1024) line += piece;
    return line;
}

std::string duplicates() {
    return "[" + gbk(SIZE_SECTION) + "]\r\n" + gbk(WIDTH_KEY) + "=500\r\n" + gbk(WIDTH_KEY) + "=600\r\n" +
           "[" + gbk(POSITION_SECTION) + "]\r\n" + gbk(LEFT_KEY) + "=30\r\n" +
           "[" + gbk(SIZE_SECTION) + "]\r\n" + gbk(HEIGHT_KEY) + "=420\r\n" +
           "[" + gbk(POSITION_SECTION) + "]\r\n" + gbk(LEFT_KEY) + "=70\r\n" + gbk(TOP_KEY) + "=40\r\n";
}

std::string spacesAround() {
    return "  [" + gbk(SIZE_SECTION) + "]  \r\n  " + gbk(WIDTH_KEY) + "  =  500  \r\n\t" + gbk(HEIGHT_KEY) +
           "\t=\t420\t\r\n[" + gbk(POSITION_SECTION) + "]\r\n " + gbk(LEFT_KEY) + " = 30\r\n" + gbk(TOP_KEY) +
           "=   40   \r\n";
}

struct Geometry {
    long left, top, width, height;
};

enum class Setup { File, Folder, LockedFile };
enum class Ending { Close, ExitItem };

struct Case {
    const char* what;
    std::string file;
    GeometrySettings read;  // as the program must read it
    Geometry shown;
    Setup setup = Setup::File;
    Ending ending = Ending::Close;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> table = {
        {"binary junk", binaryJunk(), {0, 0, 0, 0}, {0, 0, 375, 380}},
        {"a 100 KB line of nines wraps to -1, which keeps the width",
         geometryLines(std::string(100 * 1024, '9'), "400", "0", "0"), {-1, 400, 0, 0}, {0, 0, 375, 400}},
        {"ten million", geometryLines("10000000", "10000000", "0", "0"), {10000000, 10000000, 0, 0},
         {0, 0, SYSTEM_LIMIT, SYSTEM_LIMIT}},
        {"negative sizes", geometryLines("-500", "-20", "10", "20"), {-500, -20, 10, 20}, {10, 20, 375, 380}},
        {"letters", geometryLines("abc", "12px", "x", "7y"), {0, 12, 0, 7}, {0, 7, 375, 380}},
        {"a folder named config.ini", "", {0, 0, 0, 0}, {0, 0, 375, 380}, Setup::Folder},
        {"UTF-8 with its byte-order mark", "\xEF\xBB\xBF" + std::string(UTF8_LINES), {500, 420, 30, 40},
         {30, 40, 500, 420}},
        {"UTF-16 with its byte-order mark", utf16WithMark(), {500, 420, 30, 40}, {30, 40, 500, 420}},
        {"CR-only line ends", geometryLines("500", "420", "30", "40", "\r"), {500, 420, 30, 40}, {30, 40, 500, 420}},
        {"LF-only line ends", geometryLines("500", "420", "30", "40", "\n"), {500, 420, 30, 40}, {30, 40, 500, 420}},
        {"duplicate sections and keys: the first of each counts", duplicates(), {500, 0, 30, 0}, {30, 0, 500, 380}},
        {"spaces around keys and values", spacesAround(), {500, 420, 30, 40}, {30, 40, 500, 420}},
        {"0x10, 1e3, --5 and +7 after spaces", geometryLines("0x10", "1e3", "--5", " +7"), {0, 1, 0, 7},
         {0, 7, 375, 380}},
        {"full-width digits and a full-width minus",
         geometryLines("\xA3\xB5\xA3\xB0\xA3\xB0", "420", "\xA3\xAD\x33\x30", "40"), {500, 420, -30, 40},
         {-30, 40, 500, 420}},
        {"beyond 32 bits, and an empty value", geometryLines("2147483648", "", "-2147483649", "99999999999"),
         {INT32_MIN, 0, INT32_MAX, 1215752191}, {HANDLE_AT_AREA_END, HANDLE_AT_AREA_END, 375, 380}},
        {"4294967295 wraps to -1, which keeps the width", geometryLines("4294967295", "-1", "5", "6"),
         {-1, -1, 5, 6}, {5, 6, 375, 380}},
        {"a NUL byte inside a value ends it", geometryLines("500", "420", std::string("1\0" "50", 4), "40"),
         {500, 420, 1, 40}, {1, 40, 500, 420}},
        {"a 1 MB file of one line", oneLineOfOneMegabyte(), {0, 0, 0, 0}, {0, 0, 375, 380}},
        {"locked by another process, closed", geometryLines("500", "420", "30", "40"), {0, 0, 0, 0},
         {0, 0, 375, 380}, Setup::LockedFile},
        {"locked by another process, Exit", geometryLines("500", "420", "30", "40"), {0, 0, 0, 0},
         {0, 0, 375, 380}, Setup::LockedFile, Ending::ExitItem},
    };
    return table;
}

// --- What the window must be -----------------------------------------------------

RECT workArea() {
    RECT area{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

void expectShown(const OverlayProcess& overlay, const Geometry& expected) {
    const RECT rect = overlay.windowRect();
    const long width = rect.right - rect.left, height = rect.bottom - rect.top;
    EXPECT_GE(width, DEFAULT_WIDTH);
    EXPECT_GE(height, DEFAULT_HEIGHT);
    if (expected.width != SYSTEM_LIMIT) {
        EXPECT_EQ(width, expected.width);
    }
    if (expected.height != SYSTEM_LIMIT) {
        EXPECT_EQ(height, expected.height);
    }
    const RECT area = workArea();
    const RECT handle = overlay.screenRect(form::LABEL_1);
    const long handleWidth = handle.right - handle.left, handleHeight = handle.bottom - handle.top;
    EXPECT_EQ(rect.left, expected.left == HANDLE_AT_AREA_END ? area.right - handleWidth : expected.left);
    EXPECT_EQ(rect.top, expected.top == HANDLE_AT_AREA_END ? area.bottom - handleHeight : expected.top);
    RECT reachable{};
    EXPECT_TRUE(IntersectRect(&reachable, &handle, &area)) << "the handle lies on the work area";
}

// --- How the program ends ----------------------------------------------------------

HWND popupMenuOf(const OverlayProcess& overlay) {
    return visibleWindowOf(overlay.processId(), [](HWND window) { return classOf(window) == L"#32768"; });
}

void chooseExit(const OverlayProcess& overlay) {
    const POINT handle = centreOf(overlay.screenRect(form::LABEL_1));
    moveMouse(handle.x, handle.y);
    rightButton(true);
    rightButton(false);
    ASSERT_TRUE(waitUntil([&] { return popupMenuOf(overlay) != nullptr; })) << "the context menu did not open";
    for (int item = 0; item < 5; ++item) pressKey(VK_DOWN);  // Exit, the fifth item
    pressKey(VK_RETURN);
}

// --- What the file must hold afterwards -----------------------------------------------

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The file as the platform's profile writer leaves it after the program's four writes.
std::string writtenByThePlatform(const std::string& before, const GeometrySettings& written) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("varnomel-oracle-" + std::to_string(GetCurrentProcessId()) + ".ini");
    std::ofstream(path, std::ios::binary) << before;
    const std::string file = path.string();
    const auto write = [&](std::string_view section, std::string_view key, std::int32_t value) {
        WritePrivateProfileStringA(gbk(section).c_str(), gbk(key).c_str(), formatProfileInt(value).c_str(),
                                   file.c_str());
    };
    write(SIZE_SECTION, WIDTH_KEY, written.width);
    write(SIZE_SECTION, HEIGHT_KEY, written.height);
    write(POSITION_SECTION, LEFT_KEY, written.left);
    write(POSITION_SECTION, TOP_KEY, written.top);
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());  // flushes the platform's cache
    std::string after = readBytes(path);
    std::filesystem::remove(path);
    return after;
}

// Close keeps the size read at start-up; Exit stores the live one.
GeometrySettings writtenValues(const Case& c, const RECT& live) {
    if (c.ending == Ending::ExitItem) {
        return {static_cast<std::int32_t>(live.right - live.left), static_cast<std::int32_t>(live.bottom - live.top),
                static_cast<std::int32_t>(live.left), static_cast<std::int32_t>(live.top)};
    }
    return {c.read.width, c.read.height, static_cast<std::int32_t>(live.left), static_cast<std::int32_t>(live.top)};
}

// Holds config.ini open without sharing for as long as it lives.
class Lock {
public:
    void take(const std::wstring& path) {
        handle_ = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    }
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }
    void release() {
        if (held()) CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    Lock() = default;
    ~Lock() { release(); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

TEST(HostileConfig, EachFileGivesItsGeometryAndKeepsWhatTheProgramDoesNotWrite) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        Lock lock;
        std::wstring folder;
        const auto prepare = [&](const std::wstring& programFolder) {
            folder = programFolder;
            const std::wstring config = folder + L"\\config.ini";
            if (c.setup == Setup::Folder) CreateDirectoryW(config.c_str(), nullptr);
            if (c.setup == Setup::LockedFile) lock.take(config);
        };
        OverlayProcess overlay(c.setup == Setup::Folder ? std::nullopt : std::optional<std::string>(c.file), prepare);
        ASSERT_TRUE(overlay.started());
        if (c.setup == Setup::LockedFile) {
            ASSERT_TRUE(lock.held());
        }
        expectShown(overlay, c.shown);
        EXPECT_TRUE(IsWindow(overlay.control(form::LABEL_1)));

        const RECT live = overlay.windowRect();
        if (c.ending == Ending::ExitItem) {
            chooseExit(overlay);
        } else {
            overlay.requestClose();
        }
        EXPECT_EQ(overlay.waitForExit(10000), std::optional<DWORD>(0));
        lock.release();
        const std::filesystem::path config = folder + L"\\config.ini";
        switch (c.setup) {
        case Setup::Folder: EXPECT_TRUE(std::filesystem::is_directory(config)); break;
        case Setup::LockedFile: EXPECT_EQ(readBytes(config), c.file) << "the file is unchanged"; break;
        case Setup::File:
            EXPECT_EQ(readBytes(config), writtenByThePlatform(c.file, writtenValues(c, live)));
            break;
        }
    }
}

}  // namespace
}  // namespace varnomel::e2e
