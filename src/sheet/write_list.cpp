#include "sheet/cell_text.h"
#include "sheet/list_transfer.h"
#include "text/number.h"

namespace surva::sheet {

namespace {

// The sheet takes a text as if typed, so a name like "007", "1.10" or "1-2"
// would come back as 7, 1.1 or a date. A leading apostrophe keeps a name
// text; a name that is a number in its plain form ("12") stays a number.
text::u16 nameAsEntered(const text::u16& name) {
  if (auto n = text::tryParseNumber(name); n && CellText(platform::Variant(*n)) == name) return name;
  return u"'" + name;
}

}  // namespace

void WriteList(ExcelLink& link, const ui::TextGrid& list, const SheetColumns& columns, FirstColumn first) {
  const bool keepNames = first == FirstColumn::StationNames;
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
      if (!t.empty()) cell->put(u"Value", platform::Variant(keepNames && field == kNameField ? nameAsEntered(t) : t));
    }
  }
}

}  // namespace surva::sheet
