#include "png_image.h"

#include <png.h>

#include <cstring>

namespace varnomel {

namespace {

// Frees libpng's read state however decoding ends.
class PngReader {
public:
    PngReader() { std::memset(&image_, 0, sizeof image_); image_.version = PNG_IMAGE_VERSION; }
    ~PngReader() { png_image_free(&image_); }
    PngReader(const PngReader&) = delete;
    PngReader& operator=(const PngReader&) = delete;

    png_image& image() { return image_; }

private:
    png_image image_;
};

std::uint32_t composePixel(const png_byte* rgba, Rgb background) {
    const std::uint8_t alpha = rgba[3];
    const std::uint32_t red = composeChannel(rgba[0], alpha, background.red);
    const std::uint32_t green = composeChannel(rgba[1], alpha, background.green);
    const std::uint32_t blue = composeChannel(rgba[2], alpha, background.blue);
    return (red << 16) | (green << 8) | blue;
}

std::uint32_t bigEndian(const unsigned char* bytes) {
    return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 | std::uint32_t{bytes[2]} << 8 | bytes[3];
}

// Whether every chunk whose header is there declares no more bytes than
// follow. libpng allocates some chunks at their declared length before it
// reads them, so a forged length would cost that much memory for nothing.
bool chunksFit(const unsigned char* data, std::size_t size) {
    constexpr std::size_t SIGNATURE = 8, HEADER = 8, CHECKSUM = 4;
    for (std::size_t at = SIGNATURE; at < size && size - at >= HEADER;) {
        const std::size_t length = bigEndian(data + at);
        const std::size_t rest = size - at - HEADER;
        if (rest < CHECKSUM || length > rest - CHECKSUM) return false;
        if (std::memcmp(data + at + 4, "IEND", 4) == 0) return true;
        at += HEADER + length + CHECKSUM;
    }
    return true;
}

}  // namespace

std::uint8_t composeChannel(std::uint8_t channel, std::uint8_t alpha, std::uint8_t background) {
    if (alpha == 255) return channel;
    // Exact in integers: (c·a + b·(255 − a)) / 255 is the formula times 255/255,
    // and integer division keeps its whole-number part.
    return static_cast<std::uint8_t>((channel * alpha + background * (255 - alpha)) / 255);
}

std::optional<Image> decodePng(const unsigned char* data, std::size_t size, Rgb background) {
    if (data == nullptr || size == 0 || !chunksFit(data, size)) return std::nullopt;
    PngReader reader;
    png_image& png = reader.image();
    if (!png_image_begin_read_from_memory(&png, data, size)) return std::nullopt;
    if (png.width == 0 || png.height == 0 || png.width > MAX_IMAGE_SIDE || png.height > MAX_IMAGE_SIDE) {
        return std::nullopt;
    }
    png.format = PNG_FORMAT_RGBA;
    std::vector<png_byte> rgba(PNG_IMAGE_SIZE(png));
    if (!png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) return std::nullopt;

    Image result;
    result.width = static_cast<int>(png.width);
    result.height = static_cast<int>(png.height);
    result.pixels.resize(static_cast<std::size_t>(result.width) * result.height);
    for (std::size_t i = 0; i < result.pixels.size(); ++i) {
        result.pixels[i] = composePixel(&rgba[i * 4], background);
    }
    return result;
}

}  // namespace varnomel
