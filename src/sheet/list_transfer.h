#pragma once
// Moving a list (the main list or the TEXT list: name, X, Y, Z in columns
// 0 to 3) between the grid and the cells of the attached sheet; list data
// row r goes with worksheet row startRow + r - 1.
#include <functional>

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

// Told how far a long transfer has got ("2048" rows read, "2048 / 10000"
// rows written), between the spreadsheet's answers.
using Progress = std::function<void(const text::u16&)>;

// Attaches, empties the list to its header and reads row after row until a
// row's X or Y cell is empty, taking the chosen columns a block of rows at
// a time (cell by cell once the spreadsheet refuses a block). The sheet's
// selection ends on the cell where reading stopped, as if each cell had
// been selected before it was read. When the spreadsheet fails part-way the
// list is put back as it was (a list holding only the first rows of the
// sheet would pass for all of it) and a Failure says so, with the
// spreadsheet's reason.
ReadEnd ReadList(ExcelLink& link, ui::TextGrid& list, const SheetColumns& columns, const Progress& progress = {});

// What the first column holds, which decides how the sheet takes it.
enum class FirstColumn {
  StationNames,  // kept as the text they are ("007" stays "007")
  DrawingTexts,  // taken by the sheet's own entry rule (spot heights become numbers)
};

// Attaches and writes every non-empty cell of the list's data rows as text
// (an empty list cell leaves its worksheet cell as it was): each run of
// non-empty cells of a column in one call (cell by cell once the
// spreadsheet refuses a range of cells). The selection ends on the last
// row's last column, as if each cell had been selected before it was
// written. Errors propagate; the cells written before stay.
void WriteList(ExcelLink& link, const ui::TextGrid& list, const SheetColumns& columns, FirstColumn first,
               const Progress& progress = {});

// The worksheet column of the last field in use (Z, or Y without Z).
std::int32_t LastFieldColumn(const SheetColumns& columns);

}  // namespace surva::sheet
