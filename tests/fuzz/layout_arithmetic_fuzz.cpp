// The layout arithmetic over arbitrary doubles and integers: ratios, the
// truncated products and a whole rescale of one control. Not-a-number,
// infinities and products beyond 64 bits give 0; the sanitizers see to it
// that no step is undefined.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <map>
#include <optional>
#include <vector>

#include "fuzz_check.h"
#include "layout_scaler.h"
#include "scale_arithmetic.h"

namespace {

using namespace varnomel;

// Takes fixed-size values from the front of the input; zeros once it runs out.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    template <typename T>
    T take() {
        T value{};
        const std::size_t length = std::min(sizeof value, size_ - at_);
        std::memcpy(&value, data_ + at_, length);
        at_ += length;
        return value;
    }
    Rect takeRect() { return Rect{take<std::int32_t>(), take<std::int32_t>(), take<std::int32_t>(), take<std::int32_t>()}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The low 32 bits of a whole number, read as two's complement, in plain arithmetic.
std::int32_t low32(double whole) {
    double low = std::fmod(whole, 4294967296.0);
    if (low < 0) low += 4294967296.0;
    if (low >= 2147483648.0) low -= 4294967296.0;
    return static_cast<std::int32_t>(low);
}

std::int32_t referenceScale(std::int32_t value, double ratio) {
    const double product = static_cast<double>(value) * ratio;
    if (std::isnan(product) || std::isinf(product)) return 0;
    const double whole = std::trunc(product);
    if (whole < -9223372036854775808.0 || whole >= 9223372036854775808.0) return 0;
    return low32(whole);
}

bool sameDouble(double a, double b) { return (std::isnan(a) && std::isnan(b)) || a == b; }

void checkArithmetic(Input& input) {
    const auto value = input.take<std::int32_t>();
    const auto ratio = input.take<double>();
    FUZZ_CHECK(scaleValue(value, ratio) == referenceScale(value, ratio));
    const auto current = input.take<double>();
    const auto reference = input.take<double>();
    FUZZ_CHECK(sameDouble(sizeRatio(current, reference), current / reference));
}

constexpr WindowHandle BOUND = 10;
constexpr WindowHandle CONTROL = 20;
constexpr WindowHandle PANEL = 30;

struct Placement {
    WindowHandle control, insertAfter;
    int x, y, cx, cy;
    unsigned flags;
};

// Windows with arbitrary rectangles; client coordinates are screen
// coordinates less each frame's origin, wrapping as 32-bit integers do.
class ArbitraryWindows : public WindowSystem {
public:
    std::map<WindowHandle, Rect> rects;
    std::map<WindowHandle, Point> origins;
    WindowHandle controlParent = 0;
    std::vector<Placement> placements;

    void getWindowRect(WindowHandle window, Rect& rect) override {
        if (rects.count(window)) rect = rects[window];
    }
    void screenToClient(WindowHandle window, Point& point) override {
        point.x = low32(static_cast<double>(point.x) - origins[window].x);
        point.y = low32(static_cast<double>(point.y) - origins[window].y);
    }
    void setWindowPos(WindowHandle control, WindowHandle insertAfter, int x, int y, int cx, int cy,
                      unsigned flags) override {
        placements.push_back({control, insertAfter, x, y, cx, cy, flags});
    }
    WindowHandle parentOf(WindowHandle control) override { return control == CONTROL ? controlParent : 0; }
};

double extent(std::int32_t from, std::int32_t to) { return static_cast<double>(to) - from; }

void checkRescale(Input& input) {
    ArbitraryWindows windows;
    windows.rects[BOUND] = input.takeRect();
    const Rect control = windows.rects[CONTROL] = input.takeRect();
    windows.controlParent = input.take<std::uint8_t>() % 2 ? PANEL : 0;
    const WindowHandle frame = windows.controlParent ? PANEL : BOUND;
    const Point origin = windows.origins[frame] = {input.take<std::int32_t>(), input.take<std::int32_t>()};
    const auto mode = static_cast<ScaleMode>(input.take<std::int32_t>());
    const Rect reference = windows.rects[BOUND];
    const Rect current = input.takeRect();

    LayoutScaler scaler(windows);
    scaler.bindWindow(BOUND);
    scaler.addControl(CONTROL, mode);
    windows.rects[BOUND] = current;
    scaler.rescale();

    const std::int32_t left = low32(static_cast<double>(control.left) - origin.x);
    const std::int32_t top = low32(static_cast<double>(control.top) - origin.y);
    const std::int32_t width = low32(static_cast<double>(low32(static_cast<double>(control.right) - origin.x)) - left);
    const std::int32_t height = low32(static_cast<double>(low32(static_cast<double>(control.bottom) - origin.y)) - top);
    const auto modeNumber = static_cast<std::int32_t>(mode);
    if (modeNumber < 0 || modeNumber > 5) {
        FUZZ_CHECK(windows.placements.empty());
        return;
    }
    FUZZ_CHECK(windows.placements.size() == 1);
    const Placement& placed = windows.placements.front();
    const double horizontal = extent(current.left, current.right) / extent(reference.left, reference.right);
    const double vertical = extent(current.top, current.bottom) / extent(reference.top, reference.bottom);
    const bool scalesX = modeNumber != 4 && modeNumber != 5;
    const bool scalesY = modeNumber != 2 && modeNumber != 3;
    const auto alongX = [&](std::int32_t v) { return scalesX ? referenceScale(v, horizontal) : v; };
    const auto alongY = [&](std::int32_t v) { return scalesY ? referenceScale(v, vertical) : v; };
    FUZZ_CHECK(placed.control == CONTROL && placed.insertAfter == INSERT_AT_BOTTOM);
    FUZZ_CHECK(placed.x == alongX(left) && placed.y == alongY(top));
    FUZZ_CHECK(placed.cx == alongX(width) && placed.cy == alongY(height));
    FUZZ_CHECK(placed.flags == (modeNumber % 2 ? KEEP_SIZE : 0u));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    checkArithmetic(input);
    checkRescale(input);
    return 0;
}
