// The text of a config.ini as the program writes it, for tests that put one
// beside the program before it starts.
#pragma once

#include <sstream>
#include <string>
#include <vector>

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

// The lines of a config.ini that hold something, without their line ends.
inline std::vector<std::string> nonEmptyLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

}  // namespace varnomel
