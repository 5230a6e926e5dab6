#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace icons {
namespace {

std::uint8_t toByte(double channel) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(channel, 0.0, 255.0)));
}

// The share of a pixel a shape covers, estimated from the signed distance of
// the pixel's centre to the shape's edge.
double coverage(double distance) {
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

}  // namespace

Colour mix(Colour from, Colour to, double amount) {
    return {from.red + (to.red - from.red) * amount, from.green + (to.green - from.green) * amount,
            from.blue + (to.blue - from.blue) * amount};
}

Colour darkened(Colour colour, double keep) {
    return mix({0, 0, 0}, colour, keep);
}

Canvas::Canvas(int size) : size_(size), pixels_(static_cast<std::size_t>(size * size)) {}

void Canvas::fill(Colour colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void Canvas::paint(const Shape& shape, Colour colour, Placement placement, double grow) {
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            const Vec2 unit{(x + 0.5 - placement.centre.x) / placement.scale,
                            (y + 0.5 - placement.centre.y) / placement.scale};
            const double share = coverage(shape(unit) * placement.scale - grow);
            Colour& pixel = pixels_[y * size_ + x];
            if (share > 0) pixel = mix(pixel, colour, share);
        }
    }
}

std::vector<std::uint8_t> Canvas::rgbBytes() const {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(pixels_.size() * 3);
    for (const Colour& pixel : pixels_) {
        bytes.push_back(toByte(pixel.red));
        bytes.push_back(toByte(pixel.green));
        bytes.push_back(toByte(pixel.blue));
    }
    return bytes;
}

}  // namespace icons
