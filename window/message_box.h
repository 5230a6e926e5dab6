// Message boxes of the program: task-modal unless system-modal is asked for,
// with GBK texts shown through the wide functions.
#pragma once

#include <windows.h>

#include <string_view>

namespace varnomel {

int showMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

std::string_view aboutText();
std::string_view aboutCaption();
std::string_view fatalErrorText();
std::string_view errorCaption();

}  // namespace varnomel
