// A small square raster that paints anti-aliased shapes in solid colours.
#pragma once

#include <cstdint>
#include <vector>

#include "shapes.h"

namespace icons {

struct Colour {
    double red = 0;
    double green = 0;
    double blue = 0;
};

Colour mix(Colour from, Colour to, double amount);
Colour darkened(Colour colour, double keep);

// Where a shape's unit space lands on the canvas: its origin at `centre`
// (pixels), one unit being `scale` pixels. The default maps units to pixels.
struct Placement {
    Vec2 centre;
    double scale = 1;
};

class Canvas {
public:
    explicit Canvas(int size);

    int size() const { return size_; }
    void fill(Colour colour);
    // Paints the shape grown by `grow` pixels, so that a grown paint under the
    // shape's own paint makes an outline of that width.
    void paint(const Shape& shape, Colour colour, Placement placement = {}, double grow = 0);
    // The canvas as 8-bit channels, red, green and blue, top row first.
    std::vector<std::uint8_t> rgbBytes() const;
    const Colour& at(int x, int y) const { return pixels_[y * size_ + x]; }

private:
    int size_;
    std::vector<Colour> pixels_;
};

}  // namespace icons
