#pragma once
// Moving a list (the main list or the TEXT list: name, X, Y, Z in columns
// 0 to 3) between the grid and the cells of the attached sheet; list data
// row r goes with worksheet row startRow + r - 1.
#include "sheet/excel_link.h"
#include "sheet/sheet_columns.h"
#include "ui/text_grid.h"

namespace surva::sheet {

enum class ReadEnd {
  NotAttached,  // nothing changed
  Finished,     // an empty X or Y cell, or the sheet's last row, ended the list
};

// The sheet's last row: reading ends after it as at an empty X cell.
inline constexpr std::int32_t kLastSheetRow = 1048576;

// Attaches, empties the list to its header and reads row after row, each
// cell selected before it is read, until a row's X or Y cell is empty.
// When the spreadsheet fails part-way the list is put back as it was (a
// list holding only the first rows of the sheet would pass for all of it)
// and a Failure says so, with the spreadsheet's reason.
ReadEnd ReadList(ExcelLink& link, ui::TextGrid& list, const SheetColumns& columns);

// What the first column holds, which decides how the sheet takes it.
enum class FirstColumn {
  StationNames,  // kept as the text they are ("007" stays "007")
  DrawingTexts,  // taken by the sheet's own entry rule (spot heights become numbers)
};

// Attaches and writes every non-empty cell of the list's data rows as text,
// each cell selected first (an empty list cell leaves its worksheet cell
// as it was). Errors propagate; the cells written before stay.
void WriteList(ExcelLink& link, const ui::TextGrid& list, const SheetColumns& columns, FirstColumn first);

}  // namespace surva::sheet
