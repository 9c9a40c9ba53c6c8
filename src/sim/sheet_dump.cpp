#include "sim/sheet_dump.h"

#include <algorithm>

#include "sim/call_log.h"

namespace surva::sim {

text::u16 dumpActiveSheet(Spreadsheet& sheet, int rows) {
  Workbook* book = sheet.activeBook();
  Worksheet* ws = sheet.activeSheet();
  if (!book || !ws) return u"（ブックがありません）";
  text::u16 out = book->name + u" [" + ws->name + u"] 選択 " + rangeAddress(ws->selection) + u"\n";
  if (ws->chart) return out + u"（グラフ）\n";
  const int first = ws->selection.kind == SheetRange::Kind::Column ? 1 : std::max(1, ws->selection.row - rows / 4);
  int lastRow = 0;
  for (auto it = ws->cells.lower_bound({first, 0}); it != ws->cells.end() && it->first.first < first + rows; ++it) {
    auto [row, col] = it->first;
    if (row != lastRow) {
      if (lastRow) out += u'\n';
      out += text::intToText(row);
    }
    out += u" | ";
    out += columnName(col);
    out += u' ';
    out += text::fromUtf8(describe(it->second));
    lastRow = row;
  }
  return lastRow ? out + u"\n" : out;
}

}  // namespace surva::sim
