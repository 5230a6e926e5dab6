// The cut of the executable's path: the run directory ends just before the
// last backslash that is a character of its own, never inside a double-byte
// character, and the settings file lies in it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "settings_path.h"

namespace {

// The path's characters in the ANSI code page 936: a byte 0x81..0xFE followed
// by any byte is one character; every other byte is a character by itself.
std::vector<std::string> characters(std::string_view path) {
    std::vector<std::string> result;
    for (std::size_t at = 0; at < path.size();) {
        const auto byte = static_cast<unsigned char>(path[at]);
        const std::size_t length = byte >= 0x81 && byte <= 0xFE && at + 1 < path.size() ? 2 : 1;
        result.emplace_back(path.substr(at, length));
        at += length;
    }
    return result;
}

std::string referenceDirectory(std::string_view path) {
    const std::vector<std::string> parts = characters(path);
    std::size_t last = parts.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (parts[i] == "\\") last = i;
    }
    if (last == parts.size()) return ".";
    std::string directory;
    for (std::size_t i = 0; i < last; ++i) directory += parts[i];
    return directory;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view path(reinterpret_cast<const char*>(data), size);
    const std::string directory = varnomel::runDirectory(path);
    FUZZ_CHECK(directory == referenceDirectory(path));
    const std::vector<std::string> whole = characters(path);
    if (std::find(whole.begin(), whole.end(), "\\") != whole.end()) {
        // A prefix of whole characters, followed by the separator.
        const std::vector<std::string> kept = characters(directory);
        FUZZ_CHECK(kept.size() < whole.size());
        for (std::size_t i = 0; i < kept.size(); ++i) FUZZ_CHECK(kept[i] == whole[i]);
        FUZZ_CHECK(whole[kept.size()] == "\\");
    }
    FUZZ_CHECK(varnomel::settingsFilePath(path) == directory + "\\config.ini");
    return 0;
}
