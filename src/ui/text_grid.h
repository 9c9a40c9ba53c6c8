#pragma once
// The cells of a string grid, with no GUI in it: text cells, a fixed header
// row, the current cell and the selected rectangle. The StringGrid control
// holds one; the list commands work on it directly.
#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "text/u16.h"

namespace surva::ui {

// Inclusive cell rectangle, columns left..right, rows top..bottom.
struct GridRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const GridRect&) const = default;
};

// The current cell and the selection, as a grid is left or given back.
struct GridCursor {
  int col = 0;
  int row = 1;
  GridRect selection;
  bool operator==(const GridCursor&) const = default;
};

class GridEditLog;

class TextGrid {
 public:
  TextGrid(int colCount = 5, int rowCount = 5, int fixedRows = 1);

  int colCount() const { return colCount_; }
  int rowCount() const { return static_cast<int>(rows_.size()); }
  int fixedRows() const { return fixedRows_; }
  int dataRowCount() const { return rowCount() - fixedRows_; }
  // Grows with every change of cells, rows or columns (not of the current
  // cell or selection): equal revisions mean equal contents.
  std::uint64_t revision() const { return revision_; }

  // Growing adds empty rows or columns; shrinking drops them. The current
  // cell and selection are kept inside the grid.
  void setRowCount(int rows);
  void setColCount(int cols);

  // Reading outside the grid gives the empty text; writing outside is ignored.
  const text::u16& cell(int col, int row) const;
  void setCell(int col, int row, text::u16 value);
  // Whole rows, for commands that rearrange the list.
  const std::vector<text::u16>& rowCells(int row) const { return rows_.at(row); }
  void setRowCells(int row, std::vector<text::u16> cells);
  void swapRows(int a, int b);
  // Moves a column (cells and all) from one position to another.
  void moveColumn(int from, int to);
  void insertRow(int at);
  void deleteRow(int at);
  void clearAll();  // every cell empty, sizes kept
  // Rows with their cells put in at `at`; `count` rows taken out from `at`
  // (one row always stays); every row replaced. Undo uses them.
  void insertRows(int at, std::vector<std::vector<text::u16>> rows);
  void removeRows(int at, int count);
  void replaceRows(std::vector<std::vector<text::u16>> rows);

  // While a log is attached, every change of cells, rows or columns appends
  // its inverse to it first (see grid_edit_log.h). Not owned.
  void setEditLog(GridEditLog* log) { log_ = log; }
  GridEditLog* editLog() const { return log_; }

  // The current cell and the selection stay off the fixed rows while a data
  // row exists: a paste or clear from there would overwrite the header.
  int col() const { return col_; }
  int row() const { return row_; }
  // Sets the current cell and collapses the selection onto it.
  void setCurrent(int col, int row);
  const GridRect& selection() const { return selection_; }
  // Normalised and clipped to the grid; the current cell stays where it is.
  void setSelection(GridRect rect);
  GridCursor cursor() const { return {col_, row_, selection_}; }
  // Puts a cursor back (undo) without raising onCurrentChange: a step given
  // back is not the user moving to a cell.
  void restoreCursor(const GridCursor& c);

  // Called after every change of cells, sizes, current cell or selection,
  // so a view can repaint. Bulk edits may suspend it.
  std::function<void()> onChange;
  // Called after onChange when the current cell has moved (by setCurrent,
  // or because a resize pushed it back into the grid). A handler may move
  // the current cell again; it is then called once more.
  std::function<void()> onCurrentChange;
  // Called before a change from outside a batch, and when the outermost
  // batch opens, so a view can settle pending input (an open editor) on the
  // cells as they still are.
  std::function<void()> onBeforeChange;
  class BatchUpdate {
   public:
    explicit BatchUpdate(TextGrid& g) : g_(g) {
      g_.aboutToChange();
      ++g_.batch_;
    }
    ~BatchUpdate() {
      if (--g_.batch_ == 0) g_.changed();
    }
    BatchUpdate(const BatchUpdate&) = delete;
    BatchUpdate& operator=(const BatchUpdate&) = delete;

   private:
    TextGrid& g_;
  };

 private:
  friend class GridEditLog;
  // Grows to `count` columns and puts back the cells a shrink dropped.
  void restoreColumns(int count, std::vector<std::vector<text::u16>> tails);
  void aboutToChange() {
    if (batch_ == 0 && onBeforeChange) onBeforeChange();
  }
  void changed();
  void clampCursor();
  // The first row the current cell may take: the first data row, or the
  // last fixed row of a grid without data rows.
  int firstCursorRow() const { return std::min(fixedRows_, rowCount() - 1); }

  int colCount_;
  int fixedRows_;
  std::vector<std::vector<text::u16>> rows_;
  int col_ = 0;
  int row_ = 1;
  GridRect selection_{0, 1, 0, 1};
  int batch_ = 0;
  std::uint64_t revision_ = 0;
  int reportedCol_ = 0;
  int reportedRow_ = 1;
  GridEditLog* log_ = nullptr;
};

}  // namespace surva::ui
