#include "points/sima_cell_style.h"

#include "points/list_columns.h"

namespace surva::points {

void SimaListCellStyle(int col, int row, const ui::CellState& state, ui::CellStyle& style) {
  if (row <= 0 || state.fixed || col < kSimaFirstCoordCol || col > kSimaLastCoordCol) return;
  // The background stays the grid's own (selection colour when selected).
  style.align = ui::Align::Right;
  style.insetRight = 4;
  style.verticalCenter = true;
}

}  // namespace surva::points
