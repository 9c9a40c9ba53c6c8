#pragma once
// A worksheet from and to CSV lines, as a spreadsheet opens and saves a
// .csv file: fields separated by commas, quoted with double quotes when
// they hold a comma, a quote or a line break (a quote doubled inside).
#include <vector>

#include "sim/sheet_model.h"

namespace surva::sim {

// Empties the sheet and stores every field from A1 as a spreadsheet opens
// a file: numbers become numbers, a leading apostrophe stays. A quoted
// field may run over several lines.
void readCsv(Worksheet& sheet, const std::vector<text::u16>& lines);

// The cells from A1 to the last row and column that hold a value; numbers
// in their shortest form.
std::vector<text::u16> csvLines(const Worksheet& sheet);

// A cell's value as the sheet shows and saves it: numbers in general form,
// truth values TRUE / FALSE, texts as they are.
text::u16 cellText(const platform::Variant& value);

}  // namespace surva::sim
