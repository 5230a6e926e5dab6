#include "geometry_text.h"

#include <cstdio>

namespace varnomel {
namespace {

bool isDoubleByteLead(unsigned char byte) { return byte >= 0x80; }

// The single byte a full-width character stands for, or 0 if it has none.
char narrowEquivalent(unsigned char lead, unsigned char trail) {
    if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) return static_cast<char>(trail - 0x80);
    if (lead != 0xA1) return 0;
    switch (trail) {
    case 0xA1: return ' ';
    case 0xAB: return '~';
    case 0xEE:
    case 0xEF: return '*';
    default: return 0;
    }
}

// The "C" locale's white space, whatever locale the process runs in.
bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Two's complement reading of the low 32 bits, without relying on the
// implementation's narrowing of out-of-range values.
std::int32_t asSigned(std::uint32_t bits) {
    if (bits <= 0x7FFFFFFFu) return static_cast<std::int32_t>(bits);
    return static_cast<std::int32_t>(bits - 0x80000000u) + INT32_MIN;
}

std::int32_t readDecimal(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    std::uint32_t value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) value = value * 10u + static_cast<std::uint32_t>(text[at] - '0');
    return asSigned(negative ? 0u - value : value);
}

}  // namespace

std::string formatProfileInt(std::int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    return text;
}

std::string narrowFullWidthForms(std::string_view gbk) {
    std::string narrow;
    narrow.reserve(gbk.size());
    for (std::size_t at = 0; at < gbk.size(); ++at) {
        const auto lead = static_cast<unsigned char>(gbk[at]);
        if (!isDoubleByteLead(lead) || at + 1 == gbk.size()) {
            narrow += gbk[at];
            continue;
        }
        const auto trail = static_cast<unsigned char>(gbk[++at]);
        if (char single = narrowEquivalent(lead, trail)) {
            narrow += single;
        } else {
            narrow += gbk[at - 1];
            narrow += gbk[at];
        }
    }
    return narrow;
}

std::int32_t parseProfileInt(std::string_view gbk) { return readDecimal(narrowFullWidthForms(gbk)); }

}  // namespace varnomel
