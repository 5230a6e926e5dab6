#include "app_icon.h"

#include <algorithm>
#include <cmath>

#include "canvas.h"

namespace icons {
namespace {

const Colour kInk{24, 18, 64};
const Colour kCard{250, 242, 214};
const Colour kRuby{222, 34, 72};
const Colour kRubyLight{255, 150, 160};
const Colour kRubyDark{126, 14, 44};

const Shape kCardShape = roundedBox({0, 0}, {0.625, 0.875}, 0.2);
const Shape kDiamond = polygon({{0, -0.56}, {0.4, 0}, {0, 0.56}, {-0.4, 0}});
const Shape kFacet = polygon({{0, -0.56}, {0, 0}, {-0.4, 0}});

// The pure colours of the emblem and the blends its anti-aliased edges need.
std::vector<Colour> paletteColours() {
    return {{0, 0, 0},
            kInk,
            kCard,
            kRuby,
            kRubyLight,
            kRubyDark,
            mix(kInk, kCard, 1 / 3.0),
            mix(kInk, kCard, 2 / 3.0),
            mix(kCard, kRuby, 1 / 3.0),
            mix(kCard, kRuby, 2 / 3.0),
            mix(kInk, kRuby, 0.5),
            mix(kRuby, kRubyLight, 0.5),
            mix(kCard, kRubyLight, 0.5),
            mix(kRubyDark, kRuby, 0.5),
            mix(kCard, kRubyDark, 0.5),
            mix(kInk, kRubyDark, 0.5)};
}

double distanceSquared(const Colour& a, const Colour& b) {
    const double red = a.red - b.red, green = a.green - b.green, blue = a.blue - b.blue;
    return red * red + green * green + blue * blue;
}

std::uint8_t nearestIndex(const std::vector<Colour>& palette, const Colour& colour) {
    auto closer = [&](const Colour& a, const Colour& b) {
        return distanceSquared(a, colour) < distanceSquared(b, colour);
    };
    // Index 0, the see-through black, is left out: it would read as a hole.
    const auto nearest = std::min_element(palette.begin() + 1, palette.end(), closer);
    return static_cast<std::uint8_t>(nearest - palette.begin());
}

// The diamond's edge grows with the icon: a whole pixel of it would swamp the 16-pixel diamond.
void paintEmblem(Canvas& canvas, Placement placement) {
    canvas.fill(kInk);
    canvas.paint(kCardShape, kCard, placement);
    canvas.paint(kDiamond, kRubyDark, placement, placement.scale / 16);
    canvas.paint(kDiamond, kRuby, placement);
    canvas.paint(kFacet, kRubyLight, placement);
}

std::array<std::uint8_t, 3> toBytes(const Colour& colour) {
    auto byte = [](double channel) { return static_cast<std::uint8_t>(std::lround(channel)); };
    return {byte(colour.red), byte(colour.green), byte(colour.blue)};
}

}  // namespace

PalettedImage drawAppIcon(int size) {
    // Whole-pixel card edges and outline widths at 16, 32 and 48 pixels keep them crisp.
    const Placement placement{{size / 2.0, size / 2.0}, size / 2.0};
    const double outline = std::max(1.0, std::round(size / 24.0));
    Canvas colours(size);
    paintEmblem(colours, placement);
    Canvas coverage(size);
    coverage.paint(kCardShape, {255, 255, 255}, placement, outline);

    const std::vector<Colour> palette = paletteColours();
    PalettedImage image;
    image.size = size;
    std::transform(palette.begin(), palette.end(), image.palette.begin(), toBytes);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const bool seeThrough = coverage.at(x, y).red < 128;
            image.seeThrough.push_back(seeThrough);
            image.indices.push_back(seeThrough ? 0 : nearestIndex(palette, colours.at(x, y)));
        }
    }
    return image;
}

}  // namespace icons
