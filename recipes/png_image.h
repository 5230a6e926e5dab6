// Decoding of the icons' PNG bytes into pixels ready to be drawn.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace varnomel {

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
};

// Opaque pixels, top row first; each is 0x00RRGGBB, which is a 32-bit
// top-down DIB's own layout.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// Largest width or height accepted: far beyond any icon, small enough that a
// forged header cannot ask for an unbounded allocation.
constexpr int MAX_IMAGE_SIDE = 4096;

// Decodes PNG bytes and composes any alpha over `background`. Returns nothing
// for bytes that are not a whole, valid PNG or that declare too large an image.
std::optional<Image> decodePng(const unsigned char* data, std::size_t size, Rgb background);

// One channel of a pixel of alpha `alpha` composed over a background channel:
// the whole-number part of c·a/255 + b·(1 − a/255); alpha 255 keeps c.
std::uint8_t composeChannel(std::uint8_t channel, std::uint8_t alpha, std::uint8_t background);

}  // namespace varnomel
