#include "settings_path.h"

namespace varnomel {
namespace {

constexpr std::size_t NOT_FOUND = std::string_view::npos;

bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Walks the path character by character, so a double-byte character's
// second byte is stepped over and never compared.
std::size_t lastBackslash(std::string_view path) {
    std::size_t found = NOT_FOUND;
    for (std::size_t at = 0; at < path.size(); ++at) {
        if (isLeadByte(static_cast<unsigned char>(path[at]))) {
            ++at;
        } else if (path[at] == '\\') {
            found = at;
        }
    }
    return found;
}

}  // namespace

std::string runDirectory(std::string_view modulePath) {
    const std::size_t cut = lastBackslash(modulePath);
    if (cut == NOT_FOUND) return ".";
    return std::string(modulePath.substr(0, cut));
}

std::string settingsFilePath(std::string_view modulePath) {
    return runDirectory(modulePath) + "\\" + std::string(SETTINGS_FILE_NAME);
}

}  // namespace varnomel
