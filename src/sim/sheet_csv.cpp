#include "sim/sheet_csv.h"

#include <algorithm>

#include "sim/call_log.h"
#include "text/number.h"

namespace surva::sim {

void readCsv(Worksheet& sheet, const std::vector<text::u16>& lines) {
  sheet.cells.clear();
  int row = 1, col = 1;
  text::u16 field;
  bool quoted = false;
  for (const auto& line : lines) {
    for (std::size_t i = 0; i < line.size(); ++i) {
      char16_t c = line[i];
      if (quoted) {
        if (c != u'"') field += c;
        else if (i + 1 < line.size() && line[i + 1] == u'"') field += line[++i];
        else quoted = false;
      } else if (c == u'"') {
        quoted = true;
      } else if (c == u',') {
        sheet.store(row, col++, field);
        field.clear();
      } else {
        field += c;
      }
    }
    if (quoted) {
      field += u'\n';  // the field goes on in the next line
      continue;
    }
    sheet.store(row, col, field);
    field.clear();
    ++row;
    col = 1;
  }
  if (quoted) sheet.store(row, col, field);  // an unclosed quote ends with the file
}

text::u16 cellText(const platform::Variant& value) {
  using K = platform::Variant::Kind;
  switch (value.kind()) {
    case K::Empty: return {};
    case K::Bool: return value.toBool() ? u"TRUE" : u"FALSE";
    case K::Text: return value.toText();
    case K::Int16:
    case K::Int32:
    case K::Double: return text::formatGeneral(value.toDouble());
    default: return text::fromUtf8(describe(value));  // dates, currency, error values
  }
}

std::vector<text::u16> csvLines(const Worksheet& sheet) {
  int rows = 0, cols = 0;
  for (const auto& [at, value] : sheet.cells) {
    if (value.kind() == platform::Variant::Kind::Empty) continue;
    rows = std::max(rows, at.first);
    cols = std::max(cols, at.second);
  }
  std::vector<text::u16> lines(rows);
  for (int r = 1; r <= rows; ++r) {
    text::u16& line = lines[r - 1];
    for (int c = 1; c <= cols; ++c) {
      text::u16 t = cellText(sheet.cell(r, c));
      bool quote = t.find_first_of(u",\"\r\n") != text::u16::npos;
      if (quote) {
        text::u16 q = u"\"";
        for (char16_t ch : t) q += ch == u'"' ? text::u16(u"\"\"") : text::u16(1, ch);
        t = q + u"\"";
      }
      line += (c > 1 ? u"," : u"") + t;
    }
  }
  return lines;
}

}  // namespace surva::sim
