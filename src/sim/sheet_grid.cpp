#include "sim/sheet_grid.h"

#include <algorithm>

namespace surva::sim {

void SheetGrid::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
}

int SheetGrid::visibleRows() const { return std::max(0, (height_ - kRowHeight + kRowHeight - 1) / kRowHeight); }

int SheetGrid::visibleCols() const { return std::max(0, (width_ - kHeaderWidth + kColWidth - 1) / kColWidth); }

PixelRect SheetGrid::cellRect(GridCell c) const {
  int left = c.col == 0 ? 0 : kHeaderWidth + (c.col - firstCol_) * kColWidth;
  int top = c.row == 0 ? 0 : kRowHeight + (c.row - firstRow_) * kRowHeight;
  return {left, top, left + (c.col == 0 ? kHeaderWidth : kColWidth), top + kRowHeight};
}

std::optional<GridCell> SheetGrid::cellAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return std::nullopt;
  GridCell c;
  c.col = x < kHeaderWidth ? 0 : firstCol_ + (x - kHeaderWidth) / kColWidth;
  c.row = y < kRowHeight ? 0 : firstRow_ + (y - kRowHeight) / kRowHeight;
  if (c.row > kSheetRows || c.col > kSheetCols) return std::nullopt;
  return c;
}

void SheetGrid::reveal(const SheetRange& r) {
  auto into = [](int first, int shown, int at, int last) {
    if (at < first) return at;
    if (shown > 1 && at >= first + shown - 1) return std::min(at - shown + 2, last);
    return first;
  };
  if (r.kind != SheetRange::Kind::Column) firstRow_ = into(firstRow_, visibleRows(), r.row, kSheetRows);
  if (r.kind != SheetRange::Kind::Row) firstCol_ = into(firstCol_, visibleCols(), r.col, kSheetCols);
}

void SheetGrid::scrollBy(int rows, int cols) {
  firstRow_ = std::clamp(firstRow_ + rows, 1, kSheetRows);
  firstCol_ = std::clamp(firstCol_ + cols, 1, kSheetCols);
}

}  // namespace surva::sim
