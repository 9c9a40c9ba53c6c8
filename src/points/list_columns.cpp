#include "points/list_columns.h"

#include <algorithm>

#include "ui/text_grid.h"

namespace surva::points {

const std::vector<text::u16>& MainListHeader() {
  static const std::vector<text::u16> h{u" 測点", u" X座標", u" Y座標", u" Z座標", u" PLOT No."};
  return h;
}

const std::vector<text::u16>& TextListHeader() {
  static const std::vector<text::u16> h{u" TEXT", u" X座標", u" Y座標", u" Z座標"};
  return h;
}

const std::vector<text::u16>& SimaListHeader() {
  static const std::vector<text::u16> h{u" コード", u" 点番号", u" 測点名", u" X座標", u" Y座標", u" Z座標"};
  return h;
}

void WriteHeader(ui::TextGrid& grid, const std::vector<text::u16>& header) {
  const int cols = static_cast<int>(header.size());
  if (grid.colCount() < cols) grid.setColCount(cols);
  ui::TextGrid::BatchUpdate batch(grid);
  for (int c = 0; c < cols; ++c) grid.setCell(c, 0, header[c]);
}

}  // namespace surva::points
