#include "sheet/cell_blocks.h"

namespace surva::sheet {

using platform::Variant;

namespace {

// Answers by which a server says it does not take such a range or value
// (no Range member, other arguments, the spreadsheet's own "object-defined
// error"), as opposed to a failing call or a vanished server.
bool refusal(const platform::AutomationError& e) {
  switch (static_cast<std::uint32_t>(e.code())) {
    case 0x80020003:  // DISP_E_MEMBERNOTFOUND
    case 0x80020005:  // DISP_E_TYPEMISMATCH
    case 0x80020006:  // DISP_E_UNKNOWNNAME
    case 0x8002000E:  // DISP_E_BADPARAMCOUNT
    case 0x80004001:  // E_NOTIMPL
    case 0x80070057:  // E_INVALIDARG
    case 0x800A03EC: return true;
    default: return false;
  }
}

platform::ObjectPtr blockRange(platform::Object& sheet, std::int32_t row1, std::int32_t col1, std::int32_t row2,
                               std::int32_t col2) {
  return sheet
      .get(u"Range", {Variant(CellRange(sheet, row1, col1)), Variant(CellRange(sheet, row2, col2))})
      .toObject();
}

}  // namespace

platform::ObjectPtr CellRange(platform::Object& sheet, std::int32_t row, std::int32_t col) {
  return sheet.get(u"Cells", {Variant(row), Variant(col)}).toObject();
}

std::optional<Variant> ReadCellBlock(platform::Object& sheet, std::int32_t row1, std::int32_t col1,
                                                    std::int32_t row2, std::int32_t col2) {
  Variant value;
  try {
    value = blockRange(sheet, row1, col1, row2, col2)->get(u"Value");
  } catch (const platform::AutomationError& e) {
    if (refusal(e)) return std::nullopt;
    throw;
  }
  if (value.kind() != Variant::Kind::Table) return std::nullopt;
  const platform::VariantTable& t = value.table();
  if (t.rows != row2 - row1 + 1 || t.cols != col2 - col1 + 1) return std::nullopt;
  return value;
}

bool WriteCellBlock(platform::Object& sheet, std::int32_t row, std::int32_t col,
                    const platform::VariantTable& values) {
  try {
    blockRange(sheet, row, col, row + values.rows - 1, col + values.cols - 1)->put(u"Value", Variant(values));
    return true;
  } catch (const platform::AutomationError& e) {
    if (refusal(e)) return false;
    throw;
  }
}

}  // namespace surva::sheet
