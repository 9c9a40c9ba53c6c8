#include "points/station_name.h"

namespace surva::points {

namespace {
bool isAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
}  // namespace

std::size_t StationTextLength(text::u16view name) {
  std::size_t n = name.size();
  while (n > 0 && isAsciiDigit(name[n - 1])) --n;
  return n;
}

StationNameParts SplitStationName(text::u16view name) {
  const std::size_t textLength = StationTextLength(name);
  if (textLength == name.size()) return {false, text::u16(name), {}};
  return {true, text::u16(name.substr(0, textLength)), text::u16(name.substr(textLength))};
}

std::int32_t StationNumberKey(text::u16view numberPart) {
  constexpr std::int64_t kMax = 2147483647;
  std::int64_t value = 0;
  for (char16_t c : numberPart) {
    if (!isAsciiDigit(c)) return 0;
    value = value * 10 + (c - u'0');
    if (value > kMax) return 0;
  }
  return static_cast<std::int32_t>(value);
}

}  // namespace surva::points
