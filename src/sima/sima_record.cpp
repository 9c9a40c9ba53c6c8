#include "sima/sima_record.h"

#include "text/number.h"

namespace surva::sima {

bool IsSimaPointCode(text::u16view code) {
  if (code.empty() || code[0] != u'A') return false;
  int n = text::tryParseInt(code.substr(1, 2)).value_or(0);
  return n >= 1 && n <= 98;
}

bool IsSimaPointRecord(const std::vector<text::u16>& fields) {
  return fields.size() >= kSimaUsedFields && IsSimaPointCode(fields[0]);
}

}  // namespace surva::sima
