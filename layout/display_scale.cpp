#include "display_scale.h"

#include <cstdlib>
#include <limits>

namespace varnomel {

std::int32_t mulDivRounded(std::int32_t value, std::int32_t numerator, std::int32_t denominator) {
    if (denominator <= 0) return value;
    const std::int64_t product = std::int64_t{value} * numerator;
    const std::int64_t half = denominator / 2;
    const std::int64_t quotient = product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
    if (quotient > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (quotient < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(quotient);
}

}  // namespace varnomel
