#include <algorithm>

#include "sheet/cell_blocks.h"
#include "sheet/cell_text.h"
#include "sheet/list_transfer.h"
#include "text/number.h"

namespace surva::sheet {

namespace {

// The sheet takes a text as if typed, so a name like "007", "1.10" or "1-2"
// would come back as 7, 1.1 or a date. A leading apostrophe keeps a name
// text; a name that is a number in its plain form ("12") stays a number.
text::u16 nameAsEntered(const text::u16& name) {
  if (auto n = text::tryParseNumber(name); n && CellText(platform::Variant(*n)) == name) return name;
  return u"'" + name;
}

// Rows per block: the progress moves on between blocks, and each call of
// the spreadsheet carries at most this many cells of a column.
constexpr int kWriteBlockRows = 2048;

}  // namespace

void WriteList(ExcelLink& link, const ui::TextGrid& list, const SheetColumns& columns, FirstColumn first,
               const Progress& progress) {
  const bool keepNames = first == FirstColumn::StationNames;
  if (!GetExcelApp(link)) return;
  const int n = list.dataRowCount();
  if (n <= 0) return;
  platform::Object& sheet = *link.at.WorkSheet;
  // List data row r as the sheet is to take it.
  auto entered = [&](int field, int r) {
    const text::u16& t = list.cell(field, list.fixedRows() + r - 1);
    return keepNames && field == kNameField && !t.empty() ? nameAsEntered(t) : t;
  };
  bool blocks = true;  // until the spreadsheet refuses a range of cells
  for (int top = 1; top <= n; top += kWriteBlockRows) {
    const int bottom = std::min(n, top + kWriteBlockRows - 1);
    for (int field = 0; field < 4; ++field) {
      const std::int32_t col = columns.fields[field];
      if (col <= 0) continue;
      for (int r = top; r <= bottom; ++r) {
        if (list.cell(field, list.fixedRows() + r - 1).empty()) continue;
        int end = r;
        while (end < bottom && !list.cell(field, list.fixedRows() + end).empty()) ++end;
        if (end > r && blocks) {
          platform::VariantTable run(end - r + 1, 1);
          for (int i = r; i <= end; ++i) run.at(i - r, 0) = platform::Variant(entered(field, i));
          blocks = WriteCellBlock(sheet, columns.startRow + r - 1, col, run);
          if (blocks) {
            r = end;
            continue;
          }
        }
        for (; r <= end; ++r) CellRange(sheet, columns.startRow + r - 1, col)->put(u"Value", platform::Variant(entered(field, r)));
        r = end;
      }
    }
    if (progress && bottom < n) progress(text::intToText(bottom) + u" / " + text::intToText(n));
  }
  CellRange(sheet, columns.startRow + n - 1, LastFieldColumn(columns))->call(u"Select");
}

}  // namespace surva::sheet
