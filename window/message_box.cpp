#include "message_box.h"

#include "gbk_text.h"

namespace varnomel {

int showMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    if ((type & MB_SYSTEMMODAL) == 0) type |= MB_TASKMODAL;
    return MessageBoxW(owner, wideFromGbk(text).c_str(), wideFromGbk(caption).c_str(), type);
}

std::string_view aboutText() {
    return "Varnomel Ver 1.0\r\n"
           "\xb0\xe6\xc8\xa8\xcb\xf9\xd3\xd0\x20\x28\x43\x29\x20\x32\x30\x32\x36\x20"  // 版权所有 (C) 2026
           "Varnomel "
           "\xbf\xaa\xb7\xa2\xd5\xdf";  // 开发者
}

std::string_view aboutCaption() { return "\xb9\xd8\xd3\xda"; }  // 关于

std::string_view fatalErrorText() {
    return "\xb3\xcc\xd0\xf2\xb4\xb0\xbf\xda\xce\xde\xb7\xa8\xb4\xb4\xbd\xa8\xa1\xa3";  // 程序窗口无法创建。
}

std::string_view errorCaption() { return "\xb4\xed\xce\xf3"; }  // 错误

}  // namespace varnomel
