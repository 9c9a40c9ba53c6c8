#include "ui/grid_edit_log.h"

namespace surva::ui {

std::size_t textBytes(const text::u16& t) {
  // Short texts live inside the string object itself.
  const std::size_t heap = t.capacity() > text::u16().capacity() ? (t.capacity() + 1) * sizeof(char16_t) : 0;
  return sizeof(text::u16) + heap;
}

std::size_t rowBytes(const std::vector<text::u16>& row) {
  std::size_t n = sizeof(row) + (row.capacity() - row.size()) * sizeof(text::u16);
  for (const auto& t : row) n += textBytes(t);
  return n;
}

// Before anything of the new record is kept, so the hook may take() the
// records made so far.
void GridEditLog::announce() {
  if (beforeRecord) beforeRecord();
}

void GridEditLog::push(Op op, int a, int b, std::uint32_t payload) {
  const std::size_t cap = ops_.capacity();
  ops_.push_back({op, a, b, payload});
  bytes_ += (ops_.capacity() - cap) * sizeof(Record);
}

std::uint32_t GridEditLog::keep(text::u16 t) {
  bytes_ += textBytes(t);
  texts_.push_back(std::move(t));
  return static_cast<std::uint32_t>(texts_.size() - 1);
}

std::uint32_t GridEditLog::keep(Rows rows) {
  bytes_ += sizeof(Rows) + rows.capacity() * sizeof(Row);
  for (const auto& r : rows) bytes_ += rowBytes(r) - sizeof(Row);
  blocks_.push_back(std::move(rows));
  return static_cast<std::uint32_t>(blocks_.size() - 1);
}

void GridEditLog::setCell(int col, int row, text::u16 old) {
  announce();
  push(Op::SetCell, col, row, keep(std::move(old)));
}

void GridEditLog::setRow(int row, Row old) {
  announce();
  push(Op::SetRow, row, 0, keep(Rows{std::move(old)}));
}

void GridEditLog::insertRows(int at, Rows rows) {
  announce();
  push(Op::InsertRows, at, 0, keep(std::move(rows)));
}

void GridEditLog::restoreColumns(int count, Rows tails) {
  announce();
  push(Op::RestoreColumns, count, 0, keep(std::move(tails)));
}

void GridEditLog::replaceRows(Rows rows) {
  announce();
  push(Op::ReplaceRows, 0, 0, keep(std::move(rows)));
}

void GridEditLog::swapRows(int a, int b) {
  announce();
  push(Op::Swap, a, b);
}
void GridEditLog::moveColumn(int from, int to) {
  announce();
  push(Op::MoveColumn, from, to);
}
void GridEditLog::removeRows(int at, int count) {
  announce();
  push(Op::RemoveRows, at, count);
}
void GridEditLog::shrinkColumns(int count) {
  announce();
  push(Op::ShrinkColumns, count, 0);
}

bool GridEditLog::movesColumnsOnly() const {
  for (const Record& r : ops_)
    if (r.op != Op::MoveColumn) return false;
  return !ops_.empty();
}

GridEditLog GridEditLog::take() {
  GridEditLog out;
  out.ops_ = std::move(ops_);
  out.texts_ = std::move(texts_);
  out.blocks_ = std::move(blocks_);
  out.bytes_ = bytes_;
  out.target = target;
  out.source = source;
  ops_.clear();
  texts_.clear();
  blocks_.clear();
  bytes_ = 0;
  return out;
}

void GridEditLog::undo(TextGrid& grid) {
  TextGrid::BatchUpdate batch(grid);
  for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
    const Record& r = *it;
    switch (r.op) {
      case Op::SetCell: grid.setCell(r.a, r.b, std::move(texts_[r.payload])); break;
      case Op::SetRow: grid.setRowCells(r.a, std::move(blocks_[r.payload].front())); break;
      case Op::Swap: grid.swapRows(r.a, r.b); break;
      case Op::MoveColumn: grid.moveColumn(r.a, r.b); break;
      case Op::InsertRows: grid.insertRows(r.a, std::move(blocks_[r.payload])); break;
      case Op::RemoveRows: grid.removeRows(r.a, r.b); break;
      case Op::RestoreColumns: grid.restoreColumns(r.a, std::move(blocks_[r.payload])); break;
      case Op::ShrinkColumns: grid.setColCount(r.a); break;
      case Op::ReplaceRows: grid.replaceRows(std::move(blocks_[r.payload])); break;
    }
  }
  grid.restoreCursor(target);
  const GridCursor keepTarget = target, keepSource = source;
  take();
  target = keepTarget;
  source = keepSource;
}

}  // namespace surva::ui
