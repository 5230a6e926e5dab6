#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "settings_path.h"

namespace varnomel {
namespace {

struct PathCase {
    const char* what;
    std::string modulePath;
    std::string directory;
};

const PathCase kPathCases[] = {
    {"ordinary folder", "C:\\Games\\Varnomel\\varnomel.exe", "C:\\Games\\Varnomel"},
    {"drive root", "D:\\varnomel.exe", "D:"},
    {"network share", "\\\\server\\share\\v.exe", "\\\\server\\share"},
    // 0x95 0x5C is one Chinese character; its second byte is no separator.
    {"folder name ending in a trail byte 0x5C", "C:\\\x95\x5C\\v.exe", "C:\\\x95\x5C"},
    {"file name ending in a trail byte 0x5C", "C:\\a\\\x95\x5C", "C:\\a"},
    {"only a trail byte 0x5C after the drive", "C:\x95\x5C" "v.exe", "."},
    {"Chinese folder", "C:\\\xD3\xCE\xCF\xB7\\v.exe", "C:\\\xD3\xCE\xCF\xB7"},
    {"lone lead byte at the end", "C:\\a\\\x95", "C:\\a"},
    {"no backslash at all", "varnomel.exe", "."},
    {"empty", "", "."},
};

void PrintTo(const PathCase& c, std::ostream* out) { *out << c.what; }

class SettingsPath : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, CutsAtTheLastSeparator) {
    const PathCase& c = GetParam();
    EXPECT_EQ(runDirectory(c.modulePath), c.directory) << c.what;
    EXPECT_EQ(settingsFilePath(c.modulePath), c.directory + "\\config.ini") << c.what;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsPath, testing::ValuesIn(kPathCases));

}  // namespace
}  // namespace varnomel
