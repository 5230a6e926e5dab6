// The geometry file's names and the text form of its values.
// All texts here are GBK (code page 936) bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnomel {

constexpr std::string_view SIZE_SECTION = "\xB4\xB0\xCC\xE5\xB4\xF3\xD0\xA1";      // 窗体大小
constexpr std::string_view WIDTH_KEY = "\xBF\xED\xB6\xC8";                         // 宽度
constexpr std::string_view HEIGHT_KEY = "\xB8\xDF\xB6\xC8";                        // 高度
constexpr std::string_view POSITION_SECTION = "\xB4\xB0\xCC\xE5\xCE\xBB\xD6\xC3";  // 窗体位置
constexpr std::string_view LEFT_KEY = "\xD7\xF3\xB1\xDF";                          // 左边
constexpr std::string_view TOP_KEY = "\xB6\xA5\xB1\xDF";                           // 顶边

// "%d": no leading zeros, no plus sign.
std::string formatProfileInt(std::int32_t value);

// Replaces the full-width forms of GBK by their ASCII equivalents: A3 A1..A3 FE
// become "!".."~", A1 A1 a space, A1 AB "~", A1 EE and A1 EF "*". Any other
// character whose first byte is 0x80 or above is copied whole, so its second
// byte is never read as ASCII.
std::string narrowFullWidthForms(std::string_view gbk);

// Full-width forms narrowed, then leading white space, one optional sign and
// the decimal digits up to the first other character. The value wraps around
// in 32 bits; no digits give 0.
std::int32_t parseProfileInt(std::string_view gbk);

}  // namespace varnomel
