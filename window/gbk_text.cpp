#include "gbk_text.h"

#include <windows.h>

namespace varnomel {

std::wstring wideFromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    const int inLength = static_cast<int>(gbk.size());
    const int length = MultiByteToWideChar(GBK_CODE_PAGE, 0, gbk.data(), inLength, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(GBK_CODE_PAGE, 0, gbk.data(), inLength, wide.data(), length);
    return wide;
}

}  // namespace varnomel
