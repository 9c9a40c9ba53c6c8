#pragma once
// How the SIMA read and write lists paint their cells: the X, Y and Z
// columns right-aligned, 4 px in from the right border, vertically centred.
#include "ui/string_grid.h"

namespace surva::points {

// Adjusts `style`, which holds the grid's default painting of the cell.
void SimaListCellStyle(int col, int row, const ui::CellState& state, ui::CellStyle& style);

}  // namespace surva::points
