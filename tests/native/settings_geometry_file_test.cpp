#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "geometry_file.h"
#include "geometry_text.h"

namespace varnomel {
namespace {

struct Call {
    std::string section;
    std::string key;
    std::string value;  // the text written; empty for a read
    std::string path;

    bool operator==(const Call& other) const {
        return section == other.section && key == other.key && value == other.value && path == other.path;
    }
};

void PrintTo(const Call& call, std::ostream* out) {
    *out << "[" << call.section << "] " << call.key << "=" << call.value << " in " << call.path;
}

// An INI file in memory. Each call for the executable's path gives the next
// of `modulePaths`, so a path built once and reused would show.
class FakeProfile : public ProfileFile {
public:
    std::vector<std::string> modulePaths;
    std::map<std::pair<std::string, std::string>, std::string> values;
    std::vector<Call> reads;
    std::vector<Call> writes;

    std::string modulePath() override {
        const std::string path = modulePaths.at(next_ % modulePaths.size());
        ++next_;
        return path;
    }
    std::string readString(const std::string& section, const std::string& key, const std::string& path) override {
        reads.push_back({section, key, "", path});
        auto found = values.find({section, key});
        return found == values.end() ? "" : found->second;
    }
    void writeString(const std::string& section, const std::string& key, const std::string& value,
                     const std::string& path) override {
        writes.push_back({section, key, value, path});
        values[{section, key}] = value;
    }

private:
    std::size_t next_ = 0;
};

const std::string kSize(SIZE_SECTION);
const std::string kPosition(POSITION_SECTION);
const std::string kWidth(WIDTH_KEY);
const std::string kHeight(HEIGHT_KEY);
const std::string kLeft(LEFT_KEY);
const std::string kTop(TOP_KEY);

TEST(GeometryFile, LoadReadsTheFourValuesInOrderWithTheirPathsBuiltEachTime) {
    FakeProfile file;
    file.modulePaths = {"C:\\a\\v.exe", "C:\\b\\v.exe", "D:\\v.exe", "E:\\c\\d\\v.exe"};
    file.values = {{{kSize, kWidth}, "500"}, {{kSize, kHeight}, "\xA3\xB4\xA3\xB0\xA3\xB0"},
                   {{kPosition, kLeft}, "-1"}, {{kPosition, kTop}, "4294967295"}};

    const GeometrySettings settings = loadGeometry(file);

    EXPECT_EQ(settings.width, 500);
    EXPECT_EQ(settings.height, 400);
    EXPECT_EQ(settings.left, -1);
    EXPECT_EQ(settings.top, -1);
    const std::vector<Call> expected = {{kSize, kWidth, "", "C:\\a\\config.ini"},
                                        {kSize, kHeight, "", "C:\\b\\config.ini"},
                                        {kPosition, kLeft, "", "D:\\config.ini"},
                                        {kPosition, kTop, "", "E:\\c\\d\\config.ini"}};
    EXPECT_EQ(file.reads, expected);
}

TEST(GeometryFile, LoadWithoutAFileGivesZeros) {
    FakeProfile file;
    file.modulePaths = {"C:\\v.exe"};
    const GeometrySettings settings = loadGeometry(file);
    EXPECT_EQ(settings.width, 0);
    EXPECT_EQ(settings.height, 0);
    EXPECT_EQ(settings.left, 0);
    EXPECT_EQ(settings.top, 0);
    EXPECT_EQ(file.reads.size(), 4u);
}

TEST(GeometryFile, SaveWritesTheFourValuesInOrderWithTheirPathsBuiltEachTime) {
    FakeProfile file;
    file.modulePaths = {"C:\\a\\v.exe", "C:\\b\\v.exe", "D:\\v.exe", "E:\\c\\d\\v.exe"};

    saveGeometry(file, 375, 380, -1, INT32_MIN);

    const std::vector<Call> expected = {{kSize, kWidth, "375", "C:\\a\\config.ini"},
                                        {kSize, kHeight, "380", "C:\\b\\config.ini"},
                                        {kPosition, kLeft, "-1", "D:\\config.ini"},
                                        {kPosition, kTop, "-2147483648", "E:\\c\\d\\config.ini"}};
    EXPECT_EQ(file.writes, expected);
}

TEST(GeometryFile, SavedGeometryLoadsBack) {
    FakeProfile file;
    file.modulePaths = {"C:\\v.exe"};
    saveGeometry(file, 640, 480, -20, 30);
    const GeometrySettings settings = loadGeometry(file);
    EXPECT_EQ(settings.width, 640);
    EXPECT_EQ(settings.height, 480);
    EXPECT_EQ(settings.left, -20);
    EXPECT_EQ(settings.top, 30);
}

TEST(GeometryFile, AReadDropsLeadingControlBytesAndSkipsWhatIsLeftEmpty) {
    struct Case {
        const char* what;
        std::string section, key, path;
        bool read;
    };
    const Case cases[] = {
        {"blanks and controls dropped", " \t" + kSize, "\x01 " + kWidth, "  C:\\config.ini", true},
        {"empty section", "", kWidth, "C:\\config.ini", false},
        {"blank section", " \x1F\x20", kWidth, "C:\\config.ini", false},
        {"blank key", kSize, "\t", "C:\\config.ini", false},
        {"blank path", kSize, kWidth, "   ", false},
    };
    for (const Case& c : cases) {
        FakeProfile file;
        file.values[{kSize, kWidth}] = "77";
        const std::int32_t value = readProfileInt(file, c.section, c.key, c.path);
        if (c.read) {
            EXPECT_EQ(value, 77) << c.what;
            EXPECT_EQ(file.reads, (std::vector<Call>{{kSize, kWidth, "", "C:\\config.ini"}})) << c.what;
        } else {
            EXPECT_EQ(value, 0) << c.what;
            EXPECT_TRUE(file.reads.empty()) << c.what;
        }
    }
}

}  // namespace
}  // namespace varnomel
