// A minimal PNG writer for tests: 8 bits a channel, no filtering, one data
// chunk. The executable's libpng is built without its writing half, so tests
// that need PNG bytes of their own make them here.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace varnomel::testing {

enum class PngColour : unsigned char { Grey = 0, Rgb = 2, Rgba = 6 };

inline int channelsOf(PngColour colour) {
    return colour == PngColour::Grey ? 1 : colour == PngColour::Rgb ? 3 : 4;
}

inline void appendBigEndian(std::vector<unsigned char>& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<unsigned char>(value >> shift));
}

inline void appendChunk(std::vector<unsigned char>& png, const char* type, const std::vector<unsigned char>& data) {
    appendBigEndian(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t start = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    appendBigEndian(png, static_cast<std::uint32_t>(crc32(0, png.data() + start, static_cast<uInt>(png.size() - start))));
}

// `pixels`: rows top first, channels in the colour type's order.
inline std::vector<unsigned char> encodePng(int width, int height, PngColour colour,
                                            const std::vector<unsigned char>& pixels) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * channelsOf(colour);
    std::vector<unsigned char> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(0);  // filter type: none
        rows.insert(rows.end(), pixels.begin() + y * rowBytes, pixels.begin() + (y + 1) * rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(rows.size()));
    std::vector<unsigned char> packed(packedSize);
    compress(packed.data(), &packedSize, rows.data(), static_cast<uLong>(rows.size()));
    packed.resize(packedSize);

    std::vector<unsigned char> header;
    appendBigEndian(header, static_cast<std::uint32_t>(width));
    appendBigEndian(header, static_cast<std::uint32_t>(height));
    for (unsigned char b : {8, static_cast<int>(colour), 0, 0, 0}) header.push_back(b);

    std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    appendChunk(png, "IHDR", header);
    appendChunk(png, "IDAT", packed);
    appendChunk(png, "IEND", {});
    return png;
}

}  // namespace varnomel::testing
