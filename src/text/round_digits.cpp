#include "text/round_digits.h"

#include <cmath>

namespace surva::text {

namespace {

std::uint32_t magnitude(std::int32_t n) {
  return n < 0 ? static_cast<std::uint32_t>(-(static_cast<std::int64_t>(n))) : static_cast<std::uint32_t>(n);
}

// Every product rounded to single precision.
float singlePowerOfTen(std::int32_t n) {
  float result = 1.0f;
  float base = 10.0f;
  for (std::uint32_t e = magnitude(n); e != 0; e >>= 1) {
    if (e & 1u) result *= base;
    base *= base;
  }
  return n < 0 ? 1.0f / result : result;
}

double doublePowerOfTenth(std::int32_t n) {
  double result = 1.0;
  double base = 0.1;
  for (std::uint32_t e = magnitude(n); e != 0; e >>= 1) {
    if (e & 1u) result *= base;
    base *= base;
  }
  return n < 0 ? 1.0 / result : result;
}

constexpr double kTwoTo63 = 9223372036854775808.0;

}  // namespace

double RoundDigits(double value, std::int32_t n) {
  const double f = static_cast<double>(singlePowerOfTen(n));
  double w = value * f;
  if (!std::isfinite(w) || std::fabs(w) + 0.5 >= kTwoTo63) return value;
  w = w >= 0 ? w + 0.5 : w - 0.5;
  const auto t = static_cast<std::int64_t>(w);
  const double result = static_cast<double>(t) * doublePowerOfTenth(n);
  return std::isfinite(result) ? result : value;
}

}  // namespace surva::text
