#pragma once
// What a TextGrid needs to go back: while a log is attached, every change of
// the grid appends its inverse here before it happens (the old text of a
// cell, the rows a deletion removes, the same swap again, ...). Undoing
// applies the inverses newest first; done while another log is attached,
// that log receives the inverses of the inverses, i.e. the redo. The log
// holds only what changed, so a step costs what its command touched.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "text/u16.h"
#include "ui/text_grid.h"

namespace surva::ui {

class GridEditLog {
 public:
  using Row = std::vector<text::u16>;
  using Rows = std::vector<Row>;

  bool empty() const { return ops_.empty(); }
  std::size_t size() const { return ops_.size(); }
  // Only columns were moved (a header dragged), no text changed.
  bool movesColumnsOnly() const;
  // Memory the log holds (its records and the texts moved into it).
  std::size_t bytes() const { return bytes_; }
  // Called before each record is appended (the grid is still unchanged).
  std::function<void()> beforeRecord;

  // The cursor to give back when the log has been undone, and the cursor of
  // the grid the log is undone from.
  GridCursor target;
  GridCursor source;

  // Restores the grid as it was before the recorded changes (newest
  // first) and puts `target` back, without raising onCurrentChange. The
  // records are spent: their texts move back into the grid.
  void undo(TextGrid& grid);
  // Moves the records out, leaving this log empty for further changes.
  GridEditLog take();

  // ---- Appended by TextGrid.
  void setCell(int col, int row, text::u16 old);
  void setRow(int row, Row old);
  void swapRows(int a, int b);
  void moveColumn(int from, int to);
  void insertRows(int at, Rows rows);  // undone by putting these rows back at `at`
  void removeRows(int at, int count);  // undone by removing them
  void restoreColumns(int count, Rows tails);  // undone by growing to `count` with these tails
  void shrinkColumns(int count);               // undone by shrinking to `count`
  void replaceRows(Rows rows);                 // undone by putting back every row

 private:
  enum class Op : std::uint8_t { SetCell, SetRow, Swap, MoveColumn, InsertRows, RemoveRows, RestoreColumns,
                                  ShrinkColumns, ReplaceRows };
  // Small fixed records; texts and rows live beside them, so the many swaps
  // of a sort cost 16 bytes each.
  struct Record {
    Op op;
    int a = 0;
    int b = 0;
    std::uint32_t payload = 0;  // index into texts_ or blocks_
  };
  void announce();
  void push(Op op, int a, int b, std::uint32_t payload = 0);
  std::uint32_t keep(text::u16 t);
  std::uint32_t keep(Rows rows);

  std::vector<Record> ops_;
  std::vector<text::u16> texts_;
  std::vector<Rows> blocks_;
  std::size_t bytes_ = 0;
};

// Memory held by texts and rows, as the log and the benchmark count it.
std::size_t textBytes(const text::u16& t);
std::size_t rowBytes(const std::vector<text::u16>& row);

}  // namespace surva::ui
