#include "ui/text_grid.h"

#include <algorithm>

namespace surva::ui {

namespace {
const text::u16 kEmpty;
}

TextGrid::TextGrid(int colCount, int rowCount, int fixedRows)
    : colCount_(std::max(1, colCount)), fixedRows_(std::max(0, fixedRows)) {
  rows_.assign(std::max(1, rowCount), std::vector<text::u16>(colCount_));
  col_ = 0;
  row_ = firstCursorRow();
  selection_ = {col_, row_, col_, row_};
  reportedCol_ = col_;
  reportedRow_ = row_;
}

void TextGrid::setRowCount(int rows) {
  aboutToChange();
  ++revision_;
  rows = std::max(1, rows);
  rows_.resize(rows, std::vector<text::u16>(colCount_));
  clampCursor();
  changed();
}

void TextGrid::setColCount(int cols) {
  aboutToChange();
  ++revision_;
  colCount_ = std::max(1, cols);
  for (auto& r : rows_) r.resize(colCount_);
  clampCursor();
  changed();
}

const text::u16& TextGrid::cell(int col, int row) const {
  if (row < 0 || row >= rowCount() || col < 0 || col >= colCount_) return kEmpty;
  return rows_[row][col];
}

void TextGrid::setCell(int col, int row, text::u16 value) {
  if (row < 0 || row >= rowCount() || col < 0 || col >= colCount_) return;
  aboutToChange();
  ++revision_;
  rows_[row][col] = std::move(value);
  changed();
}

void TextGrid::setRowCells(int row, std::vector<text::u16> cells) {
  if (row < 0 || row >= rowCount()) return;
  aboutToChange();
  ++revision_;
  cells.resize(colCount_);
  rows_[row] = std::move(cells);
  changed();
}

void TextGrid::swapRows(int a, int b) {
  if (a < 0 || b < 0 || a >= rowCount() || b >= rowCount()) return;
  aboutToChange();
  ++revision_;
  std::swap(rows_[a], rows_[b]);
  changed();
}

void TextGrid::moveColumn(int from, int to) {
  if (from < 0 || to < 0 || from >= colCount_ || to >= colCount_ || from == to) return;
  aboutToChange();
  ++revision_;
  for (auto& r : rows_) {
    if (from < to)
      std::rotate(r.begin() + from, r.begin() + from + 1, r.begin() + to + 1);
    else
      std::rotate(r.begin() + to, r.begin() + from, r.begin() + from + 1);
  }
  changed();
}

void TextGrid::insertRow(int at) {
  aboutToChange();
  ++revision_;
  at = std::clamp(at, 0, rowCount());
  rows_.insert(rows_.begin() + at, std::vector<text::u16>(colCount_));
  changed();
}

void TextGrid::deleteRow(int at) {
  if (at < 0 || at >= rowCount() || rowCount() <= 1) return;
  aboutToChange();
  ++revision_;
  rows_.erase(rows_.begin() + at);
  clampCursor();
  changed();
}

void TextGrid::clearAll() {
  aboutToChange();
  ++revision_;
  for (auto& r : rows_)
    for (auto& c : r) c.clear();
  changed();
}

void TextGrid::setCurrent(int col, int row) {
  aboutToChange();
  col_ = std::clamp(col, 0, colCount_ - 1);
  row_ = std::clamp(row, firstCursorRow(), rowCount() - 1);
  selection_ = {col_, row_, col_, row_};
  changed();
}

void TextGrid::setSelection(GridRect rect) {
  aboutToChange();
  if (rect.left > rect.right) std::swap(rect.left, rect.right);
  if (rect.top > rect.bottom) std::swap(rect.top, rect.bottom);
  rect.left = std::clamp(rect.left, 0, colCount_ - 1);
  rect.right = std::clamp(rect.right, 0, colCount_ - 1);
  rect.top = std::clamp(rect.top, firstCursorRow(), rowCount() - 1);
  rect.bottom = std::clamp(rect.bottom, firstCursorRow(), rowCount() - 1);
  selection_ = rect;
  changed();
}

void TextGrid::clampCursor() {
  col_ = std::clamp(col_, 0, colCount_ - 1);
  row_ = std::clamp(row_, firstCursorRow(), rowCount() - 1);
  selection_.left = std::clamp(selection_.left, 0, colCount_ - 1);
  selection_.right = std::clamp(selection_.right, 0, colCount_ - 1);
  selection_.top = std::clamp(selection_.top, firstCursorRow(), rowCount() - 1);
  selection_.bottom = std::clamp(selection_.bottom, firstCursorRow(), rowCount() - 1);
}

void TextGrid::changed() {
  if (batch_ != 0) return;
  if (onChange) onChange();
  if (col_ != reportedCol_ || row_ != reportedRow_) {
    // Recorded before the call, so a handler that moves the cell again is
    // told once more and not in a loop.
    reportedCol_ = col_;
    reportedRow_ = row_;
    if (onCurrentChange) onCurrentChange();
  }
}

}  // namespace surva::ui
