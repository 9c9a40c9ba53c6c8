// Numbers: parsing any text never fails other than by "not a number", and
// both formats give text that parses back to the value rounded as shown.
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

#include "dxf/dxf_format.h"
#include "fuzz_check.h"
#include "text/number.h"

using namespace surva;

namespace {

// The decimal expansion of the double, rounded half away from zero at
// `decimals`: what the fixed format promises, worked out the long way. No
// double with at most 30 decimals lies nearer than 1e-37 of a unit to a
// half-way point, so 45 more digits decide as the exact value does.
std::string exactFixed(double value, int decimals) {
  static char buf[400];
  auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals + 45);
  std::string digits(buf, res.ptr);
  const std::size_t point = digits.find('.');
  std::string kept = digits.substr(0, point) + digits.substr(point + 1, decimals);
  bool up = digits[point + 1 + decimals] >= '5';
  for (std::size_t i = kept.size(); up && i-- > 0;) {
    if (kept[i] == '9') {
      kept[i] = '0';
    } else {
      ++kept[i];
      up = false;
    }
  }
  if (up) kept.insert(kept.begin(), '1');
  const std::size_t intLen = kept.size() - decimals;
  std::string out = std::signbit(value) && kept.find_first_not_of('0') != std::string::npos ? "-" : "";
  out += kept.substr(0, intLen);
  if (decimals > 0) out += '.' + kept.substr(intLen);
  return out;
}

void checkFixed(double value, int decimals) {
  const text::u16 shown = text::formatFixed(value, decimals);
  const int d = decimals < 0 ? 0 : decimals > 30 ? 30 : decimals;
  FUZZ_CHECK(text::toUtf8(shown) == dxf::formatFixedAscii(value, decimals));
  if (!std::isfinite(value)) return;
  FUZZ_CHECK(text::toUtf8(shown) == exactFixed(value, d));
  const auto back = text::tryParseNumber(shown);
  FUZZ_CHECK(back.has_value());
  FUZZ_CHECK(text::formatFixed(*back, decimals) == shown);
}

void checkGeneral(double value) {
  const text::u16 shown = text::formatGeneral(value);
  FUZZ_CHECK(text::toUtf8(shown) == dxf::formatSize(value));
  if (!std::isfinite(value)) return;
  FUZZ_CHECK(shown.size() <= 22);
  const auto back = text::tryParseNumber(shown);
  FUZZ_CHECK(back.has_value());
  // At most 15 significant digits: within half a unit of the 15th digit,
  // plus the half unit in the last place that reading the text back adds.
  FUZZ_CHECK(std::fabs(*back - value) <= std::fabs(value) * 5.2e-15 + std::numeric_limits<double>::denorm_min());
  FUZZ_CHECK(text::formatGeneral(*back) == shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const int decimals = static_cast<std::int8_t>(in.byte());
  const double value = in.raw<double>();
  checkFixed(value, decimals);
  checkGeneral(value);

  const text::u16 s = in.units();
  const auto number = text::tryParseNumber(s);
  FUZZ_CHECK(text::parseNumber(s) == number.value_or(0.0));
  if (const auto i = text::tryParseInt(s)) {
    FUZZ_CHECK(number && *number == *i);
    FUZZ_CHECK(text::tryParseIntOrHex(s) == i);
    FUZZ_CHECK(text::tryParseInt(text::intToText(*i)) == i);
  }
  text::tryParseIntOrHex(s);
  if (number) {
    FUZZ_CHECK(std::isfinite(*number));
    checkFixed(*number, decimals);
    checkGeneral(*number);
  }
  return 0;
}
