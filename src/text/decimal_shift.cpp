#include "text/decimal_shift.h"

#include <charconv>
#include <cmath>
#include <string>
#include <utility>

#include "text/number.h"

namespace surva::text {

namespace {

// |value| = digits × 10^exponent.
struct DecimalDigits {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// From the shortest round-trip text ("-1.23455e+04"); `value` is finite.
DecimalDigits shortestDigits(double value) {
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string sci(buf, res.ptr);
  DecimalDigits d;
  d.negative = sci[0] == '-';
  if (d.negative) sci.erase(0, 1);
  const std::size_t e = sci.find('e');
  d.digits = sci.substr(0, 1) + (e > 2 ? sci.substr(2, e - 2) : std::string());
  d.exponent = std::stoi(sci.substr(e + 1)) - static_cast<int>(d.digits.size() - 1);
  return d;
}

}  // namespace

u16 formatFixedShifted(double value, int shift, int decimals) {
  if (!std::isfinite(value)) return formatFixed(value, decimals);
  if (decimals < 0) decimals = 0;
  const DecimalDigits d = shortestDigits(value);
  // The digits of |value| × 10^(shift + decimals), cut to an integer.
  const long long scale = static_cast<long long>(d.exponent) + shift + decimals;
  std::string kept;
  bool roundUp = false;
  if (scale >= 0) {
    kept = d.digits + std::string(static_cast<std::size_t>(scale), '0');
  } else if (static_cast<unsigned long long>(-scale) <= d.digits.size()) {
    const std::size_t keep = d.digits.size() - static_cast<std::size_t>(-scale);
    kept = d.digits.substr(0, keep);
    roundUp = d.digits[keep] >= '5';
  }
  return fixedFromDigits(d.negative, std::move(kept), roundUp, decimals);
}

u16 formatGeneralShifted(double value, int shift) {
  if (!std::isfinite(value) || value == 0) return formatGeneral(value);
  const DecimalDigits d = shortestDigits(value);
  // The exact shifted decimal read once: with up to 15 digits, the general
  // form gives those digits back.
  const std::string exact = (d.negative ? "-" : "") + d.digits + 'e' + std::to_string(static_cast<long long>(d.exponent) + shift);
  double shifted = 0;
  auto [ptr, ec] = std::from_chars(exact.data(), exact.data() + exact.size(), shifted);
  if (ec != std::errc()) return formatGeneral(value * std::pow(10.0, shift));  // beyond a double
  return formatGeneral(shifted);
}

}  // namespace surva::text
