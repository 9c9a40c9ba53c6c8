// "同じ行データを整理": removing repeated rows in expected linear time.
//
// Comparing every row with each row above it finds that a row goes exactly
// when an equal row stands above it, and the rows above are still untouched
// when that is decided; so keeping the first row of each distinct
// (name, X, Y, Z) text from the top gives the same list.
#include <functional>
#include <unordered_set>

#include "points/list_columns.h"
#include "points/list_commands.h"

namespace surva::points {

namespace {

struct RowKey {
  text::u16view cells[kPointCols];
  bool operator==(const RowKey& o) const {
    for (int c = 0; c < kPointCols; ++c)
      if (cells[c] != o.cells[c]) return false;
    return true;
  }
};

struct RowKeyHash {
  std::size_t operator()(const RowKey& k) const {
    std::size_t h = 0;
    for (const auto& c : k.cells) h = h * 1000003u ^ std::hash<text::u16view>{}(c);
    return h;
  }
};

}  // namespace

void RemoveRepeatedRows(ui::TextGrid& grid) {
  ui::TextGrid::BatchUpdate batch(grid);
  if (grid.rowCount() - 1 < 2) {
    RenumberPlotNo(grid);
    return;
  }
  const int rows = grid.rowCount();
  std::vector<int> kept;
  {
    // The views point into the grid, which is not touched until the rows to
    // keep are known.
    std::unordered_set<RowKey, RowKeyHash> seen;
    seen.reserve(static_cast<std::size_t>(rows));
    for (int r = 1; r < rows; ++r) {
      RowKey key;
      bool empty = true;
      for (int c = 0; c < kPointCols; ++c) {
        key.cells[c] = grid.cell(c, r);
        if (!key.cells[c].empty()) empty = false;
      }
      if (!empty && seen.insert(key).second) kept.push_back(r);
    }
  }
  // Kept rows move up in order; the rows they pass are all dropped ones.
  int target = 1;
  for (int r : kept) grid.swapRows(target++, r);
  if (kept.empty()) {
    // Never leave the list without a data row: keep one empty row, as
    // "表示データをすべてクリア" does.
    grid.setRowCount(2);
    grid.setRowCells(1, {});
  } else {
    grid.setRowCount(static_cast<int>(kept.size()) + 1);
  }
  RenumberPlotNo(grid);
}

}  // namespace surva::points
