#include "sheet/cell_text.h"
#include "sheet/list_transfer.h"

namespace surva::sheet {

ReadEnd ReadList(ExcelLink& link, ui::TextGrid& list, const SheetColumns& columns) {
  if (!GetExcelApp(link)) return ReadEnd::NotAttached;
  ui::TextGrid::BatchUpdate batch(list);
  list.setRowCount(list.fixedRows());
  platform::Object& sheet = *link.at.WorkSheet;
  int kept = 0;  // data rows read completely
  try {
    for (std::int32_t row = columns.startRow;; ++row) {
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
  } catch (const std::exception&) {
    // A row read only in part does not stay.
    list.setRowCount(list.fixedRows() + kept);
    return ReadEnd::Failed;
  }
}

}  // namespace surva::sheet
