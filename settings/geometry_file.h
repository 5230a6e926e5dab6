// The window's size and position in config.ini: read once at start-up,
// written by the Exit command and when the window is destroyed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnomel {

struct GeometrySettings {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// The platform's private-profile functions and the executable's path.
// Every text is GBK.
class ProfileFile {
public:
    virtual ~ProfileFile() = default;

    virtual std::string modulePath() = 0;
    // The value's text; empty when the file, section or key is missing.
    virtual std::string readString(const std::string& section, const std::string& key,
                                   const std::string& path) = 0;
    virtual void writeString(const std::string& section, const std::string& key,
                             const std::string& value, const std::string& path) = 0;
};

// One value read as an integer. Leading bytes 0x20 and below of the section,
// key and path are dropped first; if any of them is left empty, nothing is
// read and the value is 0.
std::int32_t readProfileInt(ProfileFile& file, std::string_view section, std::string_view key,
                            std::string_view path);

// Reads width, height, left and top in that order, building the path anew for each.
GeometrySettings loadGeometry(ProfileFile& file);

// Writes width, height, left and top in that order, building the path anew for each.
void saveGeometry(ProfileFile& file, std::int32_t width, std::int32_t height, std::int32_t left,
                  std::int32_t top);

}  // namespace varnomel
