// Draws the item icons and the application icon into the folder named on the
// command line: base_1.png … base_9.png, combo_01.png … combo_45.png and
// varnomel.ico. The output depends on nothing but this program, so the
// committed assets can be checked against a fresh run.
#include <cstdio>
#include <fstream>
#include <string>

#include "icons/app_icon.h"
#include "icons/ico_writer.h"
#include "icons/item_icons.h"
#include "icons/png_writer.h"
#include "icons/symbols.h"

namespace {

bool writeIcon(const std::string& path, const icons::Canvas& canvas) {
    const bool written = icons::writeRgbPng(path, canvas.size(), canvas.size(), canvas.rgbBytes());
    if (!written) std::fprintf(stderr, "draw_icons: cannot write %s\n", path.c_str());
    return written;
}

bool writeItemIcons(const std::string& folder) {
    bool ok = true;
    for (int first = 1; first <= icons::BASE_ITEM_COUNT; ++first) {
        ok = writeIcon(folder + "/base_" + std::to_string(first) + ".png", icons::drawBaseIcon(first)) && ok;
        for (int second = first; second <= icons::BASE_ITEM_COUNT; ++second) {
            char name[32];
            std::snprintf(name, sizeof name, "/combo_%02d.png", icons::combinedItemNumber(first, second));
            ok = writeIcon(folder + name, icons::drawCombinedIcon(first, second)) && ok;
        }
    }
    return ok;
}

bool writeAppIcon(const std::string& folder) {
    const auto bytes = icons::encodeIco({icons::drawAppIcon(16), icons::drawAppIcon(32), icons::drawAppIcon(48)});
    const std::string path = folder + "/varnomel.ico";
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.flush()) std::fprintf(stderr, "draw_icons: cannot write %s\n", path.c_str());
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_icons OUTPUT_FOLDER\n");
        return 2;
    }
    const bool items = writeItemIcons(argv[1]);
    const bool app = writeAppIcon(argv[1]);
    return items && app ? 0 : 1;
}
