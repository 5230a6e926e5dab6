// The program keeps its texts as GBK (code page 936) bytes and shows them
// through the wide functions, so they read right whatever the system's ANSI
// code page is.
#pragma once

#include <string>
#include <string_view>

namespace varnomel {

constexpr unsigned GBK_CODE_PAGE = 936;

std::wstring wideFromGbk(std::string_view gbk);

}  // namespace varnomel
