#include "text/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace surva::text {

namespace {

bool isBlank(char16_t c) { return c < 33; }
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The ASCII text of a number after checking its shape; empty when it is not
// one. from_chars then does the locale-independent conversion.
std::string numberShape(u16view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  std::string out;
  out.reserve(e - b);
  std::size_t i = b;
  if (i < e && (s[i] == u'+' || s[i] == u'-')) {
    if (s[i] == u'-') out += '-';
    ++i;
  }
  std::size_t digits = 0;
  while (i < e && isDigit(s[i])) out += char(s[i++]), ++digits;
  if (i < e && s[i] == u'.') {
    out += '.';
    ++i;
    while (i < e && isDigit(s[i])) out += char(s[i++]), ++digits;
  }
  if (digits == 0) return {};
  if (i < e && (s[i] == u'e' || s[i] == u'E')) {
    out += 'e';
    ++i;
    if (i < e && (s[i] == u'+' || s[i] == u'-')) out += char(s[i++]);
    std::size_t expDigits = 0;
    while (i < e && isDigit(s[i])) out += char(s[i++]), ++expDigits;
    if (expDigits == 0) return {};
  }
  if (i != e) return {};
  return out;
}

}  // namespace

std::optional<double> tryParseNumber(u16view s) {
  std::string shape = numberShape(s);
  if (shape.empty()) return std::nullopt;
  double value = 0;
  auto [ptr, ec] = std::from_chars(shape.data(), shape.data() + shape.size(), value);
  if (ec != std::errc() || ptr != shape.data() + shape.size()) return std::nullopt;
  return value;
}

double parseNumber(u16view s) { return tryParseNumber(s).value_or(0.0); }

std::optional<std::int32_t> tryParseInt(u16view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && isBlank(s[b])) ++b;
  while (e > b && isBlank(s[e - 1])) --e;
  bool negative = false;
  if (b < e && (s[b] == u'+' || s[b] == u'-')) negative = s[b++] == u'-';
  if (b == e) return std::nullopt;
  long long value = 0;
  for (std::size_t i = b; i < e; ++i) {
    if (!isDigit(s[i])) return std::nullopt;
    value = value * 10 + (s[i] - u'0');
    if (value > 2147483648LL) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> tryParseIntOrHex(u16view s) {
  u16 t = trim(s);
  bool negative = false;
  std::size_t i = 0;
  if (i < t.size() && (t[i] == u'+' || t[i] == u'-')) negative = t[i++] == u'-';
  std::size_t digitsAt = 0;
  if (t.size() > i + 1 && t[i] == u'0' && (t[i + 1] == u'x' || t[i + 1] == u'X'))
    digitsAt = i + 2;
  else if (t.size() > i && t[i] == u'$')
    digitsAt = i + 1;
  else
    return tryParseInt(t);
  if (digitsAt >= t.size()) return std::nullopt;
  unsigned long long value = 0;
  for (std::size_t k = digitsAt; k < t.size(); ++k) {
    char16_t c = t[k];
    int d = isDigit(c) ? c - u'0' : (c >= u'a' && c <= u'f') ? c - u'a' + 10 : (c >= u'A' && c <= u'F') ? c - u'A' + 10 : -1;
    if (d < 0) return std::nullopt;
    value = value * 16 + d;
    if (value > 0xFFFFFFFFULL) return std::nullopt;
  }
  // Hexadecimal gives the 32-bit pattern, as the profile API reads it.
  auto bits = static_cast<std::uint32_t>(value);
  std::int32_t result = static_cast<std::int32_t>(bits);
  return negative ? static_cast<std::int32_t>(0u - bits) : result;
}

u16 formatFixed(double value, int decimals) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  if (decimals < 0) decimals = 0;
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  // Enough digits beyond the rounding digit that the exact binary value
  // decides the rounding, never an earlier rounding of the digits. A double
  // has no digit beyond the 1074th decimal: the rest are zeros.
  const int precision = std::min(decimals, 1075) + 25;
  std::string buf(1 + 309 + 1 + precision + 8, '\0');
  auto res = std::to_chars(buf.data(), buf.data() + buf.size(), magnitude, std::chars_format::fixed, precision);
  std::string digits(buf.data(), res.ptr);
  std::size_t point = digits.find('.');
  std::string intPart = digits.substr(0, point);
  std::string frac = point == std::string::npos ? std::string() : digits.substr(point + 1);
  frac.resize(decimals + 1, '0');
  return fixedFromDigits(negative, intPart + frac.substr(0, decimals), frac[decimals] >= '5', decimals);
}

u16 fixedFromDigits(bool negative, std::string kept, bool roundUp, int decimals) {
  if (roundUp) {
    int i = static_cast<int>(kept.size()) - 1;
    while (i >= 0 && kept[i] == '9') kept[i--] = '0';
    if (i >= 0)
      ++kept[i];
    else
      kept.insert(kept.begin(), '1');
  }
  const std::size_t width = static_cast<std::size_t>(decimals) + 1;
  if (kept.size() < width) kept.insert(0, width - kept.size(), '0');
  const std::size_t intLen = kept.size() - decimals;
  std::string out;
  if (negative && kept.find_first_not_of('0') != std::string::npos) out += '-';
  out += kept.substr(0, intLen);
  if (decimals > 0) out += '.' + kept.substr(intLen);
  return ascii(out);
}

u16 formatGeneral(double value) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  if (value == 0) return u"0";
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, 14);
  std::string sci(buf, res.ptr);  // "-d.dddddddddddddde+XX"
  bool negative = sci[0] == '-';
  if (negative) sci.erase(0, 1);
  std::size_t ePos = sci.find('e');
  int exponent = std::stoi(sci.substr(ePos + 1));
  std::string mantissa = sci.substr(0, 1) + sci.substr(2, ePos - 2);  // 15 digits
  // Rounding the largest doubles up would pass the largest double, and the
  // text would no longer read as a number: those are cut instead.
  if (exponent == 308 && mantissa > "179769313486231") mantissa = "179769313486231";
  while (mantissa.size() > 1 && mantissa.back() == '0') mantissa.pop_back();
  std::string out = negative ? "-" : "";
  if (exponent >= 15 || exponent < -5) {
    out += mantissa.substr(0, 1);
    if (mantissa.size() > 1) out += '.' + mantissa.substr(1);
    out += 'E' + std::to_string(exponent);
  } else if (exponent < 0) {
    out += "0." + std::string(-exponent - 1, '0') + mantissa;
  } else {
    std::size_t intLen = exponent + 1;
    if (mantissa.size() <= intLen) {
      out += mantissa + std::string(intLen - mantissa.size(), '0');
    } else {
      out += mantissa.substr(0, intLen) + '.' + mantissa.substr(intLen);
    }
  }
  return ascii(out);
}

}  // namespace surva::text
