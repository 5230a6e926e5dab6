// Writes 8-bit RGB PNG files with fixed encoder settings, so that the same
// pixels always give the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace icons {

// `rgb` holds width × height pixels, top row first, three bytes each.
bool writeRgbPng(const std::string& path, int width, int height, const std::vector<std::uint8_t>& rgb);

}  // namespace icons
