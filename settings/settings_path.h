// Where the geometry file lives: "config.ini" in the executable's directory.
// Paths are GBK (code page 936) bytes, as the ANSI functions give and take them.
#pragma once

#include <string>
#include <string_view>

namespace varnomel {

constexpr std::string_view SETTINGS_FILE_NAME = "config.ini";

// The executable's full path cut at its last backslash, without it. A trail
// byte 0x5C of a double-byte character is not a separator. An executable in a
// drive's root gives "X:". A path without any backslash gives ".", the current
// directory, so that the file still has a directory and the profile functions
// do not fall back to the Windows directory.
std::string runDirectory(std::string_view modulePath);

// The run directory followed by "\config.ini".
std::string settingsFilePath(std::string_view modulePath);

}  // namespace varnomel
