#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <vector>

#include "png_encoder.h"
#include "png_image.h"

namespace varnomel {
namespace {

std::vector<unsigned char> encode(int width, int height, testing::PngColour colour,
                                  const std::vector<unsigned char>& pixels) {
    return testing::encodePng(width, height, colour, pixels);
}

std::optional<Image> decode(const std::vector<unsigned char>& bytes, Rgb background = {}) {
    return decodePng(bytes.data(), bytes.size(), background);
}

TEST(PngImage, ComposesAlphaOverTheBackground) {
    struct Case {
        std::uint8_t channel, alpha, background, expected;
    } cases[] = {
        {200, 255, 17, 200},   // opaque: unchanged
        {200, 0, 0, 0},        // transparent over black: black
        {200, 0, 90, 90},      // transparent: the background
        {255, 128, 0, 128},    // 255·128/255
        {100, 51, 200, 180},   // 20 + 160
        {1, 254, 0, 0},        // 0.996… keeps only its whole-number part
        {10, 1, 255, 254},     // 0.039… + 254.0 = 254.039…
    };
    for (const Case& c : cases) {
        EXPECT_EQ(composeChannel(c.channel, c.alpha, c.background), c.expected)
            << int(c.channel) << " a=" << int(c.alpha) << " over " << int(c.background);
    }
}

TEST(PngImage, DecodesRgbaTopRowFirstAsZeroRgb) {
    const std::vector<unsigned char> pixels = {
        255, 0, 0, 255,   0, 255, 0, 0,     // opaque red, transparent green
        0, 0, 255, 128,   10, 20, 30, 255,  // half blue, opaque dark
    };
    const auto image = decode(encode(2, 2, testing::PngColour::Rgba, pixels), Rgb{0, 0, 0});
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 2);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, (std::vector<std::uint32_t>{0xFF0000, 0x000000, 0x000080, 0x0A141E}));
}

TEST(PngImage, TransparentPixelsTakeTheBackground) {
    const auto image = decode(encode(1, 1, testing::PngColour::Rgba, {9, 9, 9, 0}), Rgb{1, 2, 3});
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels[0], 0x010203u);
}

TEST(PngImage, RgbAndGreyDecodeOpaque) {
    const auto rgb = decode(encode(1, 1, testing::PngColour::Rgb, {1, 2, 3}), Rgb{200, 200, 200});
    ASSERT_TRUE(rgb);
    EXPECT_EQ(rgb->pixels[0], 0x010203u);
    const auto grey = decode(encode(1, 1, testing::PngColour::Grey, {77}));
    ASSERT_TRUE(grey);
    EXPECT_EQ(grey->pixels[0], 0x4D4D4Du);
}

TEST(PngImage, RejectsBytesThatAreNoWholePng) {
    const std::vector<unsigned char> good = encode(3, 3, testing::PngColour::Rgb, std::vector<unsigned char>(27, 60));
    ASSERT_TRUE(decode(good));
    EXPECT_FALSE(decodePng(nullptr, 0, Rgb{}));
    EXPECT_FALSE(decode({'G', 'I', 'F', '8', '9', 'a', 0, 0}));
    for (std::size_t length = 0; length + 12 < good.size(); ++length) {
        // Every cut before the closing chunk loses header, data or both.
        const std::vector<unsigned char> cut(good.begin(), good.begin() + length);
        EXPECT_FALSE(decode(cut)) << "cut at " << length;
    }
    std::vector<unsigned char> damaged = good;
    damaged[20] ^= 0x01;  // inside the header chunk: its checksum no longer fits
    EXPECT_FALSE(decode(damaged));
}

// A PNG header that declares a size of its own, with a correct checksum.
std::vector<unsigned char> headerDeclaring(png_uint_32 width, png_uint_32 height) {
    std::vector<unsigned char> bytes = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (png_uint_32 value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<unsigned char>(value >> shift));
    }
    for (unsigned char b : {8, 6, 0, 0, 0}) bytes.push_back(b);
    const uLong crc = crc32(0, bytes.data() + 12, 17);
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<unsigned char>(crc >> shift));
    return bytes;
}

TEST(PngImage, RejectsHugeDeclaredSizesBeforeAllocating) {
    EXPECT_FALSE(decode(headerDeclaring(100000, 100000)));
    EXPECT_FALSE(decode(headerDeclaring(MAX_IMAGE_SIDE + 1, 1)));
    EXPECT_FALSE(decode(headerDeclaring(64, 64))) << "a header alone holds no pixels";
}

// A whole image with a chunk after its header that declares `length` bytes
// of data, of which none follow.
std::vector<unsigned char> withChunkDeclaring(png_uint_32 length) {
    std::vector<unsigned char> bytes = encode(2, 2, testing::PngColour::Rgb, std::vector<unsigned char>(12, 90));
    std::vector<unsigned char> chunk;
    for (int shift = 24; shift >= 0; shift -= 8) chunk.push_back(static_cast<unsigned char>(length >> shift));
    chunk.insert(chunk.end(), {'e', 'X', 'I', 'f'});
    bytes.insert(bytes.begin() + 8 + 25, chunk.begin(), chunk.end());  // after the signature and the header chunk
    return bytes;
}

TEST(PngImage, RefusesAChunkLongerThanTheBytesGivenBeforeLibpngAllocatesIt) {
    // Under the sanitizers an allocation of that size fails the test.
    EXPECT_FALSE(decode(withChunkDeclaring(0x7FFFFFFF)));
    EXPECT_FALSE(decode(withChunkDeclaring(1000)));
    std::vector<unsigned char> cutAfterItsHeader = withChunkDeclaring(0x7FFFFFFF);
    cutAfterItsHeader.resize(8 + 25 + 8 + 2);
    EXPECT_FALSE(decode(cutAfterItsHeader));
}

}  // namespace
}  // namespace varnomel
