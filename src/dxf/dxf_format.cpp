#include "dxf/dxf_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "text/number.h"

namespace surva::dxf {

namespace {
std::string narrow(const text::u16& s) { return std::string(s.begin(), s.end()); }
}  // namespace

std::string formatFixedAscii(double value, int decimals) {
  decimals = std::max(decimals, 0);
  // The common counts on the stack; the rare long ones by the shared routine.
  if (!std::isfinite(value) || decimals > 30) return narrow(text::formatFixed(value, decimals));
  // 25 digits beyond the rounding digit let the exact binary value decide.
  char buf[1 + 309 + 1 + 30 + 25 + 8];
  char* const first = buf + 1;  // room for a carry into a new leading digit
  const auto res = std::to_chars(first, buf + sizeof buf, std::fabs(value), std::chars_format::fixed, decimals + 25);
  char* const point = std::find(first, res.ptr, '.');
  char* const last = decimals > 0 ? point + decimals : point - 1;  // last kept digit
  const char next = decimals > 0 ? point[decimals + 1] : point[1];
  char* start = first;
  if (next >= '5') {
    char* p = last;
    for (;; --p) {
      if (p < first) {
        *--start = '1';
        break;
      }
      if (*p == '.') continue;
      if (*p != '9') {
        ++*p;
        break;
      }
      *p = '0';
    }
  }
  const bool allZero = std::all_of(start, last + 1, [](char c) { return c == '0' || c == '.'; });
  std::string out;
  if (std::signbit(value) && !allZero) out += '-';
  out.append(start, last + 1);
  return out;
}

std::string formatSize(double value) { return narrow(text::formatGeneral(value)); }

}  // namespace surva::dxf
