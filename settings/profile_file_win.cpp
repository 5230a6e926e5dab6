#include "profile_file_win.h"

#include <windows.h>

#include <cstring>

namespace varnomel {
namespace {

constexpr DWORD MODULE_PATH_BYTES = 260;
constexpr DWORD VALUE_BYTES = 10240;

// Up to the terminator or the buffer's end: an older system leaves a
// truncated path unterminated.
std::string textIn(const char* buffer, std::size_t size) {
    const void* end = std::memchr(buffer, '\0', size);
    return std::string(buffer, end ? static_cast<const char*>(end) - buffer : size);
}

}  // namespace

std::string WindowsProfileFile::modulePath() {
    char path[MODULE_PATH_BYTES] = {};
    ::GetModuleFileNameA(nullptr, path, MODULE_PATH_BYTES);
    return textIn(path, sizeof path);
}

std::string WindowsProfileFile::readString(const std::string& section, const std::string& key,
                                           const std::string& path) {
    std::string value(VALUE_BYTES, '\0');
    ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value.data(), VALUE_BYTES, path.c_str());
    return textIn(value.data(), value.size());
}

void WindowsProfileFile::writeString(const std::string& section, const std::string& key,
                                     const std::string& value, const std::string& path) {
    ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str());
}

}  // namespace varnomel
