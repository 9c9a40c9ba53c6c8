#include "cad/pick_names.h"

#include "text/number.h"

namespace surva::cad {

namespace {
bool isDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
}  // namespace

NameParts SplitNameAtNumber(text::u16view name) {
  while (!name.empty() && name.front() < 33) name.remove_prefix(1);
  while (!name.empty() && name.back() < 33) name.remove_suffix(1);
  std::size_t end = name.size();
  while (end > 0 && !isDigit(name[end - 1])) --end;
  if (end == 0) return {u"", u"", text::u16(name)};
  std::size_t start = end;
  while (start > 0 && isDigit(name[start - 1])) --start;
  return {text::u16(name.substr(0, start)), text::u16(name.substr(start, end - start)), text::u16(name.substr(end))};
}

std::int64_t NameNumber(text::u16view digits) {
  // Digits only, so the sign and blanks that tryParseInt allows never occur.
  return text::tryParseInt(digits).value_or(0);
}

text::u16 NameWithNumber(const NameParts& parts, std::int64_t n) {
  return parts.before + text::intToText(n) + parts.after;
}

}  // namespace surva::cad
