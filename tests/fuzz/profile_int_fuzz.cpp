// The value text of config.ini: full-width narrowing and the wrapping decimal
// reading agree with a slow reading of the same rules written out plainly.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "geometry_text.h"

namespace {

using varnomel::formatProfileInt;
using varnomel::narrowFullWidthForms;
using varnomel::parseProfileInt;

// Every full-width form that has a single-byte equivalent, listed one by one.
const std::map<std::string, char>& fullWidthForms() {
    static const std::map<std::string, char> forms = [] {
        std::map<std::string, char> table;
        for (int ascii = '!'; ascii <= '~'; ++ascii) {
            table[std::string{'\xA3', static_cast<char>(ascii + 0x80)}] = static_cast<char>(ascii);
        }
        table["\xA1\xA1"] = ' ';
        table["\xA1\xAB"] = '~';
        table["\xA1\xEE"] = '*';
        table["\xA1\xEF"] = '*';
        return table;
    }();
    return forms;
}

// Splits GBK text into its characters: a byte of 0x80 or above starts a
// two-byte character unless it is the last byte.
std::vector<std::string> characters(std::string_view text) {
    std::vector<std::string> result;
    for (std::size_t at = 0; at < text.size();) {
        const bool twoBytes = static_cast<unsigned char>(text[at]) >= 0x80 && at + 1 < text.size();
        const std::size_t length = twoBytes ? 2 : 1;
        result.emplace_back(text.substr(at, length));
        at += length;
    }
    return result;
}

std::string referenceNarrowing(std::string_view text) {
    std::string narrow;
    for (const std::string& character : characters(text)) {
        const auto form = fullWidthForms().find(character);
        narrow += form != fullWidthForms().end() ? std::string(1, form->second) : character;
    }
    return narrow;
}

bool isCWhiteSpace(char c) { return std::string_view(" \t\n\v\f\r").find(c) != std::string_view::npos; }

// The digits' value taken modulo 2^32 step by step, then read as two's complement.
std::int32_t referenceReading(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size() && isCWhiteSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    const std::int64_t modulus = std::int64_t{1} << 32;
    std::int64_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
        value = (value * 10 + (text[at] - '0')) % modulus;
    }
    if (negative) value = (modulus - value) % modulus;
    if (value >= modulus / 2) value -= modulus;
    return static_cast<std::int32_t>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string narrow = narrowFullWidthForms(text);
    FUZZ_CHECK(narrow == referenceNarrowing(text));
    const std::int32_t value = parseProfileInt(text);
    FUZZ_CHECK(value == referenceReading(narrow));
    FUZZ_CHECK(parseProfileInt(formatProfileInt(value)) == value);
    return 0;
}
