#include <algorithm>

#include "sheet/cell_blocks.h"
#include "sheet/cell_text.h"
#include "sheet/list_transfer.h"
#include "text/error.h"
#include "text/number.h"

namespace surva::sheet {

namespace {

// The cells, current cell and selection of a list, to put back.
class ListSnapshot {
 public:
  explicit ListSnapshot(const ui::TextGrid& g) : col_(g.col()), row_(g.row()), selection_(g.selection()) {
    rows_.reserve(g.rowCount());
    for (int r = 0; r < g.rowCount(); ++r) rows_.push_back(g.rowCells(r));
  }
  void restore(ui::TextGrid& g) const {
    g.setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < g.rowCount(); ++r) g.setRowCells(r, rows_[r]);
    g.setCurrent(col_, row_);
    g.setSelection(selection_);
  }

 private:
  std::vector<std::vector<text::u16>> rows_;
  int col_, row_;
  ui::GridRect selection_;
};

// Rows grow from a small first block (most lists are short) to a size that
// keeps each answer of the spreadsheet to a few hundred kilobytes.
constexpr std::int32_t kFirstBlockRows = 128;
constexpr std::int32_t kMaxBlockRows = 2048;

// The values of the chosen columns, row after row: a block of rows over
// all of them in one call, or cell by cell once the spreadsheet refuses a
// block.
class CellSource {
 public:
  CellSource(platform::Object& sheet, const SheetColumns& columns) : sheet_(sheet) {
    for (std::int32_t col : columns.fields) {
      if (col <= 0) continue;
      firstCol_ = firstCol_ ? std::min(firstCol_, col) : col;
      lastCol_ = std::max(lastCol_, col);
    }
  }
  // Makes the values of `row` (never below the last row asked) ready; true
  // when a new block arrived for it.
  bool reach(std::int32_t row) {
    if (!blocks_ || row < blockEnd_) return false;
    const std::int32_t rows = std::min(nextRows_, kLastSheetRow - row + 1);
    auto got = ReadCellBlock(sheet_, row, firstCol_, row + rows - 1, lastCol_);
    if (!got) {
      blocks_ = false;
      return false;
    }
    block_ = std::move(*got);
    blockRow_ = row;
    blockEnd_ = row + rows;
    nextRows_ = std::min(nextRows_ * 2, kMaxBlockRows);
    return true;
  }
  platform::Variant value(std::int32_t row, std::int32_t col) {
    if (blocks_) return block_.table().at(row - blockRow_, col - firstCol_);
    return CellRange(sheet_, row, col)->get(u"Value");
  }

 private:
  platform::Object& sheet_;
  std::int32_t firstCol_ = 0, lastCol_ = 0;
  bool blocks_ = true;
  platform::Variant block_;
  std::int32_t blockRow_ = 0, blockEnd_ = 0;  // rows blockRow_ .. blockEnd_ - 1
  std::int32_t nextRows_ = kFirstBlockRows;
};

// Reads worksheet row `row` into list row `listRow`; the column of the X or
// Y cell that is empty and so ends the list, or 0.
std::int32_t readRow(CellSource& cells, std::int32_t row, const SheetColumns& columns, ui::TextGrid& list,
                     int listRow) {
  for (int field = 0; field < 4; ++field) {
    const std::int32_t col = columns.fields[field];
    if (col <= 0) continue;
    text::u16 t = CellText(cells.value(row, col));
    if (!t.empty()) list.setCell(field, listRow, std::move(t));
    else if (field == kXField || field == kYField) return col;
  }
  return 0;
}

}  // namespace

std::int32_t LastFieldColumn(const SheetColumns& columns) {
  std::int32_t last = 0;
  for (std::int32_t col : columns.fields)
    if (col > 0) last = col;
  return last;
}

ReadEnd ReadList(ExcelLink& link, ui::TextGrid& list, const SheetColumns& columns, const Progress& progress) {
  if (!GetExcelApp(link)) return ReadEnd::NotAttached;
  ui::TextGrid::BatchUpdate batch(list);
  const ListSnapshot earlier(list);
  list.setRowCount(list.fixedRows());
  platform::Object& sheet = *link.at.WorkSheet;
  CellSource cells(sheet, columns);
  int kept = 0;  // data rows read completely
  std::int32_t row = columns.startRow;
  std::int32_t stop = 0;  // the X or Y column whose empty cell ended the list
  try {
    for (; row <= kLastSheetRow; ++row) {
      if (cells.reach(row) && kept > 0 && progress) progress(text::intToText(kept));
      const int listRow = list.fixedRows() + kept;
      if (list.rowCount() <= listRow) list.setRowCount(listRow + 1);
      stop = readRow(cells, row, columns, list, listRow);
      if (stop) {
        list.setRowCount(listRow);
        break;
      }
      ++kept;
    }
    // Where reading stopped, as if each cell had been selected before it
    // was read; a sheet that fails here fails the reading as any cell would.
    CellRange(sheet, stop ? row : kLastSheetRow, stop ? stop : LastFieldColumn(columns))->call(u"Select");
  } catch (const std::exception& e) {
    earlier.restore(list);
    throw Failure(u"Excel からの読み込みを中止しました．リストは元のままです．\n" + messageOf(e));
  }
  return ReadEnd::Finished;
}

}  // namespace surva::sheet
