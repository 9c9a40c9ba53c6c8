#include "sima/sima_record.h"

namespace surva::sima {

bool IsSimaPointCode(text::u16view code) {
  if (code.empty() || code[0] != u'A') return false;
  // Digits only: an integer parse would pass "A1 " or "A1" and a tab, as
  // it allows blanks around a number.
  int n = 0;
  for (char16_t c : code.substr(1, 2)) {
    if (c < u'0' || c > u'9') return false;
    n = n * 10 + (c - u'0');
  }
  return n >= 1 && n <= 98;
}

bool IsSimaPointRecord(const std::vector<text::u16>& fields) {
  return fields.size() >= kSimaUsedFields && IsSimaPointCode(fields[0]);
}

}  // namespace surva::sima
