#pragma once
// The stand-in spreadsheet as its window shows it: the active workbook and
// sheet with its selection, then the rows around the selection.
#include "sim/sheet_model.h"

namespace surva::sim {

// "Book1 [Sheet1] 選択 B4", then one line per non-empty row within
// `rows` rows from the selection: "5 | A 測点1 | B 10.5".
text::u16 dumpActiveSheet(Spreadsheet& sheet, int rows = 40);

}  // namespace surva::sim
