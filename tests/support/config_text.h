// The text of a config.ini as the program writes it, for tests that put one
// beside the program before it starts.
#pragma once

#include <sstream>
#include <string>

#include "geometry_text.h"

namespace varnomel {

inline std::string configText(int width, int height, int left, int top) {
    std::ostringstream text;
    text << "[" << SIZE_SECTION << "]\r\n"
         << WIDTH_KEY << "=" << width << "\r\n"
         << HEIGHT_KEY << "=" << height << "\r\n"
         << "[" << POSITION_SECTION << "]\r\n"
         << LEFT_KEY << "=" << left << "\r\n"
         << TOP_KEY << "=" << top << "\r\n";
    return text.str();
}

}  // namespace varnomel
