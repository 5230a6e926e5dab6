// The form's pixel values are sizes at 96 DPI (100 %). On a display of
// another DPI every one of them is taken at that scale by one rule:
// value × dpi ÷ 96, rounded half away from zero as Windows' MulDiv rounds.
#pragma once

#include <cstdint>

namespace varnomel {

constexpr int DESIGN_DPI = 96;

// value × numerator ÷ denominator, rounded half away from zero. A result past
// the 32-bit range stops at its end; a denominator of 0 or less gives `value`.
std::int32_t mulDivRounded(std::int32_t value, std::int32_t numerator, std::int32_t denominator);

class DisplayScale {
public:
    explicit DisplayScale(int dpi = DESIGN_DPI) : dpi_(dpi > 0 ? dpi : DESIGN_DPI) {}

    int dpi() const { return dpi_; }
    // A size or offset of the form, in pixels at this scale.
    std::int32_t pixels(std::int32_t designValue) const { return mulDivRounded(designValue, dpi_, DESIGN_DPI); }
    // Pixels at this scale back in the form's 96-DPI units.
    std::int32_t designUnits(std::int32_t pixels) const { return mulDivRounded(pixels, DESIGN_DPI, dpi_); }

private:
    int dpi_;
};

}  // namespace varnomel
