#pragma once
// The TEXT list: one row per harvested text, its string and insertion point.
#include "cad/harvest_store.h"
#include "ui/string_grid.h"

namespace surva::cad {

// Empties columns 0 to 3 of every data row, then (when the store holds
// texts) one row per text: string, and x, y, z of the insertion point,
// in the store's user frame when `ucs`, rounded to `decimals`.
void FillTextList(const HarvestStore& store, bool ucs, int decimals, ui::TextGrid& list);

// Sorts the data rows by the text of cell c1 followed by that of cell c2
// (a column below 0 is left out), as numbers (0 for text that is not one)
// or by UTF-16 code units. Rows end where the exchange sort puts them.
void SortGridRows(ui::TextGrid& grid, int c1, int c2, bool asNumbers, bool descending);

// A click on a header cell: " TEXT" sorts by text ascending, " X座標" by
// number ascending, " Y座標" by number descending, any other by Z ascending.
// Clicks on data rows do nothing.
void SortTextListByHeader(ui::TextGrid& list, int col, int row);

// The coordinate columns are right-aligned, 4 px in from the right border,
// vertically centred; the header and column 0 keep the default.
void TextListCellStyle(int col, int row, ui::CellStyle& style);

}  // namespace surva::cad
