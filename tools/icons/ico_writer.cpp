#include "ico_writer.h"

namespace icons {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint32_t kBitmapHeaderSize = 40;
constexpr std::uint32_t kPaletteBytes = ICO_PALETTE_SIZE * 4;

void put16(Bytes& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// Bitmap rows are padded to whole 32-bit words.
std::uint32_t rowBytes(int pixels, int bitsPerPixel) {
    return static_cast<std::uint32_t>((pixels * bitsPerPixel + 31) / 32 * 4);
}

std::uint32_t imageBytes(const PalettedImage& image) {
    const std::uint32_t rows = static_cast<std::uint32_t>(image.size);
    return kBitmapHeaderSize + kPaletteBytes + rows * (rowBytes(image.size, 4) + rowBytes(image.size, 1));
}

void putBitmapHeader(Bytes& out, const PalettedImage& image) {
    const std::uint32_t size = static_cast<std::uint32_t>(image.size);
    put32(out, kBitmapHeaderSize);
    put32(out, size);
    put32(out, size * 2);  // the colour bitmap and the mask, stacked
    put16(out, 1);         // planes
    put16(out, 4);         // bits per pixel
    put32(out, 0);         // uncompressed
    put32(out, imageBytes(image) - kBitmapHeaderSize - kPaletteBytes);
    for (int unused = 0; unused < 4; ++unused) put32(out, 0);  // resolution, colours used, important
}

void putPalette(Bytes& out, const PalettedImage& image) {
    for (const auto& colour : image.palette) {
        out.insert(out.end(), {colour[2], colour[1], colour[0], 0});
    }
}

// Both bitmaps run from the bottom row up; a row's leftmost pixel is in the
// most significant bits of its first byte.
void putColourBits(Bytes& out, const PalettedImage& image) {
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(rowBytes(image.size, 4), 0);
        for (int x = 0; x < image.size; ++x) {
            const std::uint8_t index = image.indices[y * image.size + x] & 0x0F;
            row[x / 2] |= static_cast<std::uint8_t>(x % 2 == 0 ? index << 4 : index);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void putMaskBits(Bytes& out, const PalettedImage& image) {
    for (int y = image.size - 1; y >= 0; --y) {
        Bytes row(rowBytes(image.size, 1), 0);
        for (int x = 0; x < image.size; ++x) {
            if (image.seeThrough[y * image.size + x]) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

void putDirectoryEntry(Bytes& out, const PalettedImage& image, std::uint32_t offset) {
    out.push_back(static_cast<std::uint8_t>(image.size));  // width
    out.push_back(static_cast<std::uint8_t>(image.size));  // height
    out.push_back(ICO_PALETTE_SIZE);
    out.push_back(0);  // reserved
    put16(out, 1);     // planes
    put16(out, 4);     // bits per pixel
    put32(out, imageBytes(image));
    put32(out, offset);
}

}  // namespace

std::vector<std::uint8_t> encodeIco(const std::vector<PalettedImage>& images) {
    Bytes out;
    put16(out, 0);  // reserved
    put16(out, 1);  // an icon, not a cursor
    put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const PalettedImage& image : images) {
        putDirectoryEntry(out, image, offset);
        offset += imageBytes(image);
    }
    for (const PalettedImage& image : images) {
        putBitmapHeader(out, image);
        putPalette(out, image);
        putColourBits(out, image);
        putMaskBits(out, image);
    }
    return out;
}

}  // namespace icons
