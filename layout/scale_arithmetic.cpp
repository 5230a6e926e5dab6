#include "scale_arithmetic.h"

// On 32-bit x86 the x87 unit rounds a quotient or a product first to its
// 64-bit mantissa and then again to double; now and then that lands one unit
// off and moves a truncated pixel. SSE2 rounds once, as x86-64 always does.
// Clang has no fpmath option: with SSE2 on it does double arithmetic in it anyway.
#if defined(__i386__) && !defined(__SSE2_MATH__) && defined(__clang__)
#define ROUNDED_ONCE __attribute__((target("sse2")))
#elif defined(__i386__) && !defined(__SSE2_MATH__)
#define ROUNDED_ONCE __attribute__((target("sse2,fpmath=sse")))
#else
#define ROUNDED_ONCE
#endif

namespace varnomel {
namespace {

constexpr double TWO_TO_THE_63 = 9223372036854775808.0;

}  // namespace

ROUNDED_ONCE double sizeRatio(double currentSize, double referenceSize) {
    return currentSize / referenceSize;
}

ROUNDED_ONCE std::int32_t scaleValue(std::int32_t value, double ratio) {
    const double product = static_cast<double>(value) * ratio;
    // Written so that a product that is not a number fails too.
    if (!(product >= -TWO_TO_THE_63 && product < TWO_TO_THE_63)) return 0;
    const auto whole = static_cast<std::int64_t>(product);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
}

}  // namespace varnomel
