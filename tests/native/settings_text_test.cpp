#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "geometry_text.h"
#include "gbk_from_utf8.h"

namespace varnomel {
namespace {

struct ParseCase {
    const char* what;
    std::string text;
    std::int32_t expected;
};

const ParseCase kParseCases[] = {
    {"plain", "375", 375},
    {"empty", "", 0},
    {"full-width digits", "\xA3\xB3\xA3\xB7\xA3\xB5", 375},
    {"full-width minus and digits", "\xA3\xAD\xA3\xB1", -1},
    {"full-width space before digits", "\xA1\xA1" "42", 42},
    {"full-width digit then ASCII digits", "\xA3\xB1" "23", 123},
    {"blanks then a unit", "  400px", 400},
    {"every C white space", " \t\n\v\f\r9", 9},
    {"letters only", "abc", 0},
    {"minus", "-1", -1},
    {"plus", "+7", 7},
    {"sign alone", "-", 0},
    {"two signs", "+-5", 0},
    {"blank after the sign", "- 5", 0},
    {"stops at the first other character", "12 34", 12},
    {"leading zeros", "007", 7},
    {"largest", "2147483647", INT32_MAX},
    {"smallest", "-2147483648", INT32_MIN},
    {"one past the largest wraps", "2147483648", INT32_MIN},
    {"all ones wraps to -1", "4294967295", -1},
    {"2^32 wraps to 0", "4294967296", 0},
    {"far past 32 bits keeps the low bits", "99999999999", 1215752191},
    {"negated wrap", "-4294967297", -1},
    {"lone lead byte at the end", "5\xA3", 5},
    {"lone lead byte first", "\xA3", 0},
    // 0x81 0x35 is one character whose second byte happens to be "5".
    {"double-byte trail is no digit", "\x81\x35" "7", 0},
    {"double-byte trail after digits", "8\x81\x35", 8},
    {"a Chinese character stops the digits", "12\xCF\xF1" "3", 12},
    {"full-width tilde form is no digit", "\xA1\xAB" "1", 0},
    {"not a full-width form: A3 A0", "\xA3\xA0" "1", 0},
};

void PrintTo(const ParseCase& c, std::ostream* out) { *out << c.what; }

class ProfileIntParse : public testing::TestWithParam<ParseCase> {};

TEST_P(ProfileIntParse, ReadsTheLeadingNumber) {
    EXPECT_EQ(parseProfileInt(GetParam().text), GetParam().expected) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileIntParse, testing::ValuesIn(kParseCases));

TEST(ProfileIntParse, ReadsAValueOfTenKilobytes) {
    std::string digits = "  -" + std::string(10235, '0') + "12";
    ASSERT_EQ(digits.size(), 10240u);
    EXPECT_EQ(parseProfileInt(digits), -12);
    EXPECT_EQ(parseProfileInt(std::string(10239, '\xA3') + "1"), 0) << "the last A3 takes the 1 with it";
    // 10^10239 is a multiple of 2^32, so all those nines wrap to -1.
    EXPECT_EQ(parseProfileInt(std::string(10239, '9')), -1);
}

TEST(ProfileIntNarrow, MapsEachFullWidthFormAndKeepsTheRest) {
    EXPECT_EQ(narrowFullWidthForms("\xA3\xA1\xA3\xFE"), "!~");
    EXPECT_EQ(narrowFullWidthForms("\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF"), " ~**");
    EXPECT_EQ(narrowFullWidthForms("\xA3\xC1\xA3\xE1"), "Aa");
    EXPECT_EQ(narrowFullWidthForms("a\xB4\xB0" "b"), "a\xB4\xB0" "b");
    EXPECT_EQ(narrowFullWidthForms("\xA1\xA2"), "\xA1\xA2") << "ideographic comma stays";
    EXPECT_EQ(narrowFullWidthForms("\xA3"), "\xA3");
    // The lead byte takes the next byte with it even when that is a lead byte too.
    EXPECT_EQ(narrowFullWidthForms("\xCF\xA3\xB1"), "\xCF\xA3\xB1");
}

TEST(ProfileIntFormat, WritesPercentD) {
    EXPECT_EQ(formatProfileInt(0), "0");
    EXPECT_EQ(formatProfileInt(375), "375");
    EXPECT_EQ(formatProfileInt(-1), "-1");
    EXPECT_EQ(formatProfileInt(INT32_MAX), "2147483647");
    EXPECT_EQ(formatProfileInt(INT32_MIN), "-2147483648");
}

TEST(ProfileIntFormat, ReadsBackWhatItWrites) {
    for (std::int32_t value : {0, 7, -7, 375, 380, -32000, INT32_MAX, INT32_MIN}) {
        EXPECT_EQ(parseProfileInt(formatProfileInt(value)), value);
    }
}

#ifndef _WIN32
TEST(SettingsNames, AreTheGbkBytesOfTheChineseNames) {
    EXPECT_EQ(SIZE_SECTION, gbkFromUtf8("窗体大小"));
    EXPECT_EQ(WIDTH_KEY, gbkFromUtf8("宽度"));
    EXPECT_EQ(HEIGHT_KEY, gbkFromUtf8("高度"));
    EXPECT_EQ(POSITION_SECTION, gbkFromUtf8("窗体位置"));
    EXPECT_EQ(LEFT_KEY, gbkFromUtf8("左边"));
    EXPECT_EQ(TOP_KEY, gbkFromUtf8("顶边"));
}
#endif

}  // namespace
}  // namespace varnomel
