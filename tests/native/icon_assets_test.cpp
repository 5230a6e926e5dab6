// The committed icons as the overlay shows them: their format, colours that
// stay clear of the see-through key grey, and symbols that tell the items apart.
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace varnomel {
namespace {

constexpr int ICON_SIDE = 64;
constexpr int ICON_PIXELS = ICON_SIDE * ICON_SIDE;

using Bytes = std::vector<unsigned char>;

struct IconFile {
    std::string name;
    Bytes bytes;
};

struct Pixel {
    int red, green, blue;
};

std::string baseIconName(int item) {
    return "base_" + std::to_string(item);
}

std::vector<std::string> iconNames() {
    std::vector<std::string> names;
    for (int item = 1; item <= 9; ++item) names.push_back(baseIconName(item));
    for (int item = 1; item <= 45; ++item) {
        char name[16];
        std::snprintf(name, sizeof name, "combo_%02d", item);
        names.push_back(name);
    }
    return names;
}

IconFile readIcon(const std::string& name) {
    std::ifstream file(std::string(VARNOMEL_SOURCE_DIR) + "/assets/" + name + ".png", std::ios::binary);
    return {name, {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()}};
}

std::vector<IconFile> allIcons() {
    std::vector<IconFile> icons;
    for (const std::string& name : iconNames()) icons.push_back(readIcon(name));
    return icons;
}

std::uint32_t bigEndian32(const Bytes& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
           bytes[at + 3];
}

// Red, green and blue bytes as a picture box shows them, any alpha composed
// over black; empty if the file does not decode.
Bytes decode(const IconFile& icon) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    Bytes rgb;
    if (png_image_begin_read_from_memory(&image, icon.bytes.data(), icon.bytes.size())) {
        image.format = PNG_FORMAT_RGB;
        rgb.resize(PNG_IMAGE_SIZE(image));
        const png_color black{0, 0, 0};
        if (!png_image_finish_read(&image, &black, rgb.data(), 0, nullptr)) rgb.clear();
    }
    png_image_free(&image);
    return rgb;
}

Pixel at(const Bytes& rgb, int x, int y) {
    const std::size_t offset = static_cast<std::size_t>(y * ICON_SIDE + x) * 3;
    return {rgb[offset], rgb[offset + 1], rgb[offset + 2]};
}

// The mean of the 2 × 2 block whose top left pixel is (x, y): a simple model
// of the halftone filter, which blends neighbours while it shrinks an icon.
Pixel blockMean(const Bytes& rgb, int x, int y) {
    Pixel sum{0, 0, 0};
    for (Pixel p : {at(rgb, x, y), at(rgb, x + 1, y), at(rgb, x, y + 1), at(rgb, x + 1, y + 1)}) {
        sum = {sum.red + p.red, sum.green + p.green, sum.blue + p.blue};
    }
    return {(sum.red + 2) / 4, (sum.green + 2) / 4, (sum.blue + 2) / 4};
}

// Grey 128 is the overlay's see-through key. The filter blends neighbours in
// varying shares, so a colour with next to no hue at middling brightness
// could land on the key exactly; colours with a clear hue never do.
constexpr int KEY_GREY = 128;
constexpr int GREY_HUE_SPREAD = 12;
constexpr int GREY_BRIGHTNESS_RANGE = 40;

bool neutralMidGrey(Pixel p) {
    const int brightest = std::max({p.red, p.green, p.blue});
    const int darkest = std::min({p.red, p.green, p.blue});
    const int mean = (p.red + p.green + p.blue) / 3;
    return brightest - darkest <= GREY_HUE_SPREAD && std::abs(mean - KEY_GREY) <= GREY_BRIGHTNESS_RANGE;
}

// Where an icon is brighter than its own average, in blocks of 4 × 4 pixels:
// what is left of its symbol at the displayed size without colour vision.
std::vector<bool> brightnessShape(const Bytes& rgb) {
    constexpr int BLOCK = 4, BLOCKS = ICON_SIDE / BLOCK;
    std::vector<long> blocks(BLOCKS * BLOCKS, 0);
    long total = 0;
    for (int y = 0; y < ICON_SIDE; ++y) {
        for (int x = 0; x < ICON_SIDE; ++x) {
            const Pixel p = at(rgb, x, y);
            const long luma = 299 * p.red + 587 * p.green + 114 * p.blue;
            blocks[(y / BLOCK) * BLOCKS + x / BLOCK] += luma;
            total += luma;
        }
    }
    std::vector<bool> shape;
    for (long block : blocks) shape.push_back(block * BLOCKS * BLOCKS > total);
    return shape;
}

int blocksThatDiffer(const std::vector<bool>& a, const std::vector<bool>& b) {
    int count = 0;
    for (std::size_t i = 0; i < a.size(); ++i) count += a[i] != b[i];
    return count;
}

TEST(IconAssets, AreEightBitRgbOrRgbaPngsOf64By64Pixels) {
    const unsigned char start[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (const IconFile& icon : allIcons()) {
        SCOPED_TRACE(icon.name);
        ASSERT_GE(icon.bytes.size(), 26u);
        EXPECT_EQ(std::memcmp(icon.bytes.data(), start, sizeof start), 0);
        EXPECT_EQ(bigEndian32(icon.bytes, 16), 64u);  // width
        EXPECT_EQ(bigEndian32(icon.bytes, 20), 64u);  // height
        EXPECT_EQ(icon.bytes[24], 8);                 // bits per channel
        EXPECT_TRUE(icon.bytes[25] == PNG_COLOR_TYPE_RGB || icon.bytes[25] == PNG_COLOR_TYPE_RGB_ALPHA)
            << "colour type " << int(icon.bytes[25]);
        EXPECT_EQ(decode(icon).size(), std::size_t{ICON_PIXELS * 3}) << "does not decode";
    }
}

TEST(IconAssets, KeepClearOfTheSeeThroughGreyEvenWhenNeighboursBlend) {
    for (const IconFile& icon : allIcons()) {
        const Bytes rgb = decode(icon);
        ASSERT_EQ(rgb.size(), std::size_t{ICON_PIXELS * 3}) << icon.name;
        for (int y = 0; y < ICON_SIDE; ++y) {
            for (int x = 0; x < ICON_SIDE; ++x) {
                const bool blockInside = x + 1 < ICON_SIDE && y + 1 < ICON_SIDE;
                ASSERT_FALSE(neutralMidGrey(at(rgb, x, y))) << icon.name << " pixel " << x << "," << y;
                ASSERT_FALSE(blockInside && neutralMidGrey(blockMean(rgb, x, y)))
                    << icon.name << " 2x2 block at " << x << "," << y;
            }
        }
    }
}

TEST(IconAssets, ShowDifferentPictures) {
    std::map<Bytes, std::string> seen;
    for (const IconFile& icon : allIcons()) {
        const auto [first, isNew] = seen.emplace(decode(icon), icon.name);
        EXPECT_TRUE(isNew) << icon.name << " shows the same picture as " << first->second;
    }
}

// Recolouring a symbol to another hue moves only a few edge blocks of its
// brightness shape; different symbols differ in a good many more.
constexpr int SHAPE_DIFFERENCE = 16;

TEST(IconAssets, BaseItemsDifferInShapeNotOnlyInHue) {
    std::vector<std::vector<bool>> shapes;
    for (int item = 1; item <= 9; ++item) {
        const Bytes rgb = decode(readIcon(baseIconName(item)));
        ASSERT_EQ(rgb.size(), std::size_t{ICON_PIXELS * 3}) << baseIconName(item);
        shapes.push_back(brightnessShape(rgb));
    }
    for (std::size_t a = 0; a < shapes.size(); ++a) {
        for (std::size_t b = a + 1; b < shapes.size(); ++b) {
            EXPECT_GE(blocksThatDiffer(shapes[a], shapes[b]), SHAPE_DIFFERENCE)
                << baseIconName(static_cast<int>(a) + 1) << " and " << baseIconName(static_cast<int>(b) + 1);
        }
    }
}

}  // namespace
}  // namespace varnomel
