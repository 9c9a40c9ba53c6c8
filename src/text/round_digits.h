#pragma once
// Decimal rounding half away from zero, shared by the coordinate table and
// the entity harvest.
#include <cstdint>

namespace surva::text {

// value rounded to n decimals: value x 10^n (the power in single precision),
// plus or minus 0.5, truncated to a 64-bit integer, times 0.1^n (binary
// exponentiation in double, so 1.2345 at 3 gives 1.2350000000000003).
// A value that is not finite, or whose scaled magnitude reaches 2^63, comes
// back unrounded instead of overflowing the integer conversion.
double RoundDigits(double value, std::int32_t n);

}  // namespace surva::text
