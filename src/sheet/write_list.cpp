#include "sheet/list_transfer.h"

namespace surva::sheet {

void WriteList(ExcelLink& link, const ui::TextGrid& list, const SheetColumns& columns) {
  if (!GetExcelApp(link)) return;
  if (list.dataRowCount() <= 0) return;
  platform::Object& sheet = *link.at.WorkSheet;
  for (int r = 1; r <= list.dataRowCount(); ++r) {
    const std::int32_t row = columns.startRow + r - 1;
    const int listRow = list.fixedRows() + r - 1;
    for (int field = 0; field < 4; ++field) {
      const std::int32_t col = columns.fields[field];
      if (col <= 0) continue;
      const platform::VariantArray at{platform::Variant(row), platform::Variant(col)};
      platform::ObjectPtr cell = sheet.get(u"Cells", at).toObject();
      cell->call(u"Select");
      const text::u16& t = list.cell(field, listRow);
      if (!t.empty()) cell->put(u"Value", platform::Variant(t));
    }
  }
}

}  // namespace surva::sheet
