#include "geometry_file.h"

#include "geometry_text.h"
#include "settings_path.h"

namespace varnomel {
namespace {

std::string withoutLeadingControls(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && static_cast<unsigned char>(text[at]) <= 0x20) ++at;
    return std::string(text.substr(at));
}

std::int32_t readValue(ProfileFile& file, std::string_view section, std::string_view key) {
    return readProfileInt(file, section, key, settingsFilePath(file.modulePath()));
}

void writeValue(ProfileFile& file, std::string_view section, std::string_view key, std::int32_t value) {
    file.writeString(std::string(section), std::string(key), formatProfileInt(value),
                     settingsFilePath(file.modulePath()));
}

}  // namespace

std::int32_t readProfileInt(ProfileFile& file, std::string_view section, std::string_view key,
                            std::string_view path) {
    const std::string trimmedSection = withoutLeadingControls(section);
    const std::string trimmedKey = withoutLeadingControls(key);
    const std::string trimmedPath = withoutLeadingControls(path);
    if (trimmedSection.empty() || trimmedKey.empty() || trimmedPath.empty()) return 0;
    return parseProfileInt(file.readString(trimmedSection, trimmedKey, trimmedPath));
}

GeometrySettings loadGeometry(ProfileFile& file) {
    GeometrySettings settings;
    settings.width = readValue(file, SIZE_SECTION, WIDTH_KEY);
    settings.height = readValue(file, SIZE_SECTION, HEIGHT_KEY);
    settings.left = readValue(file, POSITION_SECTION, LEFT_KEY);
    settings.top = readValue(file, POSITION_SECTION, TOP_KEY);
    return settings;
}

void saveGeometry(ProfileFile& file, std::int32_t width, std::int32_t height, std::int32_t left,
                  std::int32_t top) {
    writeValue(file, SIZE_SECTION, WIDTH_KEY, width);
    writeValue(file, SIZE_SECTION, HEIGHT_KEY, height);
    writeValue(file, POSITION_SECTION, LEFT_KEY, left);
    writeValue(file, POSITION_SECTION, TOP_KEY, top);
}

}  // namespace varnomel
