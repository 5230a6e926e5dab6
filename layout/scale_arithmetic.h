// The two pieces of arithmetic that proportional layout rests on. Both give
// the same results on every build: doubles rounded once per operation.
#pragma once

#include <cstdint>

namespace varnomel {

// currentSize ÷ referenceSize as a double: infinite for a zero reference,
// not a number when both are zero.
double sizeRatio(double currentSize, double referenceSize);

// `value` × `ratio`, the product rounded to double and then truncated toward
// zero to a 64-bit integer, of which the low 32 bits are kept. A product that
// is not a number, infinite or beyond the 64-bit range gives 0.
std::int32_t scaleValue(std::int32_t value, double ratio);

}  // namespace varnomel
