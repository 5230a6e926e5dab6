// Encodes icon files (.ico) of 16-colour images: each image a 4-bit
// bitmap with its palette and a 1-bit mask of see-through pixels.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace icons {

constexpr int ICO_PALETTE_SIZE = 16;

struct PalettedImage {
    int size = 0;  // width and height
    std::array<std::array<std::uint8_t, 3>, ICO_PALETTE_SIZE> palette{};  // red, green, blue
    std::vector<std::uint8_t> indices;  // size × size palette indices, top row first
    std::vector<bool> seeThrough;       // same order; such pixels should use an index of black
};

std::vector<std::uint8_t> encodeIco(const std::vector<PalettedImage>& images);

}  // namespace icons
