#include "ui/text_grid.h"

#include <algorithm>

#include "ui/grid_edit_log.h"

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
  rows = std::max(1, rows);
  if (rows < rowCount()) {
    removeRows(rows, rowCount() - rows);
    return;
  }
  aboutToChange();
  ++revision_;
  if (log_ && rows > rowCount()) log_->removeRows(rowCount(), rows - rowCount());
  rows_.resize(rows, std::vector<text::u16>(colCount_));
  clampCursor();
  changed();
}

void TextGrid::setColCount(int cols) {
  aboutToChange();
  ++revision_;
  cols = std::max(1, cols);
  if (log_ && cols > colCount_) log_->shrinkColumns(colCount_);
  if (log_ && cols < colCount_) {
    std::vector<std::vector<text::u16>> tails(rows_.size());
    for (std::size_t r = 0; r < rows_.size(); ++r)
      tails[r].assign(std::make_move_iterator(rows_[r].begin() + cols), std::make_move_iterator(rows_[r].end()));
    log_->restoreColumns(colCount_, std::move(tails));
  }
  colCount_ = cols;
  for (auto& r : rows_) r.resize(colCount_);
  clampCursor();
  changed();
}

void TextGrid::restoreColumns(int count, std::vector<std::vector<text::u16>> tails) {
  BatchUpdate batch(*this);
  const int from = colCount_;
  setColCount(count);
  for (std::size_t r = 0; r < tails.size() && r < rows_.size(); ++r)
    for (std::size_t c = 0; c < tails[r].size() && from + static_cast<int>(c) < colCount_; ++c)
      rows_[r][from + c] = std::move(tails[r][c]);
}

const text::u16& TextGrid::cell(int col, int row) const {
  if (row < 0 || row >= rowCount() || col < 0 || col >= colCount_) return kEmpty;
  return rows_[row][col];
}

void TextGrid::setCell(int col, int row, text::u16 value) {
  if (row < 0 || row >= rowCount() || col < 0 || col >= colCount_) return;
  aboutToChange();
  ++revision_;
  // Writing the same text again is no change to give back.
  if (log_ && rows_[row][col] != value) log_->setCell(col, row, std::move(rows_[row][col]));
  rows_[row][col] = std::move(value);
  changed();
}

void TextGrid::setRowCells(int row, std::vector<text::u16> cells) {
  if (row < 0 || row >= rowCount()) return;
  aboutToChange();
  ++revision_;
  cells.resize(colCount_);
  if (log_ && rows_[row] != cells) log_->setRow(row, std::move(rows_[row]));
  rows_[row] = std::move(cells);
  changed();
}

void TextGrid::swapRows(int a, int b) {
  if (a < 0 || b < 0 || a >= rowCount() || b >= rowCount()) return;
  aboutToChange();
  ++revision_;
  if (log_ && a != b) log_->swapRows(a, b);
  std::swap(rows_[a], rows_[b]);
  changed();
}

void TextGrid::moveColumn(int from, int to) {
  if (from < 0 || to < 0 || from >= colCount_ || to >= colCount_ || from == to) return;
  aboutToChange();
  ++revision_;
  if (log_) log_->moveColumn(to, from);
  for (auto& r : rows_) {
    if (from < to)
      std::rotate(r.begin() + from, r.begin() + from + 1, r.begin() + to + 1);
    else
      std::rotate(r.begin() + to, r.begin() + from, r.begin() + from + 1);
  }
  changed();
}

void TextGrid::insertRow(int at) { insertRows(at, {std::vector<text::u16>(colCount_)}); }

void TextGrid::deleteRow(int at) {
  if (at < 0 || at >= rowCount() || rowCount() <= 1) return;
  removeRows(at, 1);
}

void TextGrid::insertRows(int at, std::vector<std::vector<text::u16>> rows) {
  if (rows.empty()) return;
  aboutToChange();
  ++revision_;
  at = std::clamp(at, 0, rowCount());
  for (auto& r : rows) r.resize(colCount_);
  if (log_) log_->removeRows(at, static_cast<int>(rows.size()));
  rows_.insert(rows_.begin() + at, std::make_move_iterator(rows.begin()), std::make_move_iterator(rows.end()));
  clampCursor();
  changed();
}

void TextGrid::removeRows(int at, int count) {
  if (at < 0 || at >= rowCount()) return;
  count = std::min(count, rowCount() - std::max(at, 1));
  if (count <= 0) return;
  aboutToChange();
  ++revision_;
  const auto first = rows_.begin() + at;
  if (log_) log_->insertRows(at, {std::make_move_iterator(first), std::make_move_iterator(first + count)});
  rows_.erase(first, first + count);
  clampCursor();
  changed();
}

void TextGrid::replaceRows(std::vector<std::vector<text::u16>> rows) {
  if (rows.empty()) rows.emplace_back();
  aboutToChange();
  ++revision_;
  for (auto& r : rows) r.resize(colCount_);
  if (log_) log_->replaceRows(std::move(rows_));
  rows_ = std::move(rows);
  clampCursor();
  changed();
}

void TextGrid::clearAll() {
  replaceRows(std::vector<std::vector<text::u16>>(rows_.size(), std::vector<text::u16>(colCount_)));
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

void TextGrid::restoreCursor(const GridCursor& c) {
  aboutToChange();
  col_ = c.col;
  row_ = c.row;
  selection_ = c.selection;
  clampCursor();
  reportedCol_ = col_;
  reportedRow_ = row_;
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
