#include "sheet/cell_text.h"
#include "sheet/list_transfer.h"
#include "text/error.h"

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

}  // namespace

ReadEnd ReadList(ExcelLink& link, ui::TextGrid& list, const SheetColumns& columns) {
  if (!GetExcelApp(link)) return ReadEnd::NotAttached;
  ui::TextGrid::BatchUpdate batch(list);
  const ListSnapshot earlier(list);
  list.setRowCount(list.fixedRows());
  platform::Object& sheet = *link.at.WorkSheet;
  int kept = 0;  // data rows read completely
  try {
    for (std::int32_t row = columns.startRow; row <= kLastSheetRow; ++row) {
      const int listRow = list.fixedRows() + kept;
      if (list.rowCount() <= listRow) list.setRowCount(listRow + 1);
      for (int field = 0; field < 4; ++field) {
        const std::int32_t col = columns.fields[field];
        if (col <= 0) continue;
        const platform::VariantArray at{platform::Variant(row), platform::Variant(col)};
        // One range serves both calls: each call crosses to the other process.
        platform::ObjectPtr cell = sheet.get(u"Cells", at).toObject();
        cell->call(u"Select");
        text::u16 t = CellText(cell->get(u"Value"));
        if (!t.empty()) {
          list.setCell(field, listRow, std::move(t));
        } else if (field == kXField || field == kYField) {
          list.setRowCount(listRow);
          return ReadEnd::Finished;
        }
      }
      ++kept;
    }
    return ReadEnd::Finished;
  } catch (const std::exception& e) {
    earlier.restore(list);
    throw Failure(u"Excel からの読み込みを中止しました．リストは元のままです．\n" + messageOf(e));
  }
}

}  // namespace surva::sheet
