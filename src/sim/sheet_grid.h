#pragma once
// Where the stand-in spreadsheet's window shows its cells: columns of one
// width and rows of one height under a header row of column letters, right
// of a header column of row numbers, scrolled to a first row and column.
#include <optional>

#include "sim/sheet_model.h"

namespace surva::sim {

struct GridCell {
  int row = 0;  // 0: the header row
  int col = 0;  // 0: the header column
  bool operator==(const GridCell&) const = default;
};

struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

class SheetGrid {
 public:
  static constexpr int kColWidth = 84, kRowHeight = 20, kHeaderWidth = 44;

  void resize(int width, int height);
  int firstRow() const { return firstRow_; }
  int firstCol() const { return firstCol_; }
  // Whole or partly shown rows and columns.
  int visibleRows() const;
  int visibleCols() const;

  PixelRect cellRect(GridCell c) const;
  // The cell (or header) under a pixel of the window; nullopt beyond the sheet.
  std::optional<GridCell> cellAt(int x, int y) const;
  // Scrolls as little as needed for the range's first cell to show.
  void reveal(const SheetRange& r);
  void scrollBy(int rows, int cols);

 private:
  int width_ = 0, height_ = 0;
  int firstRow_ = 1, firstCol_ = 1;
};

}  // namespace surva::sim
