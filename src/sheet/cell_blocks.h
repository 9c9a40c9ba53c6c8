#pragma once
// The values of a rectangle of worksheet cells in one call each way: one
// range from corner cell to corner cell, its Value read or assigned as a
// two-dimensional array. A spreadsheet that refuses a range of more than
// one cell (or answers its Value with something else than the array) gives
// nullopt / false, and the caller goes on cell by cell; any other failure
// propagates as from a single cell.
#include <optional>

#include "platform/automation.h"

namespace surva::sheet {

// Rows row1..row2 by columns col1..col2 (row1 <= row2, col1 <= col2), as a
// Variant of Kind::Table of that size.
std::optional<platform::Variant> ReadCellBlock(platform::Object& sheet, std::int32_t row1, std::int32_t col1,
                                               std::int32_t row2, std::int32_t col2);

// Writes `values` with its first cell at (row, col).
bool WriteCellBlock(platform::Object& sheet, std::int32_t row, std::int32_t col,
                    const platform::VariantTable& values);

// The range of one cell.
platform::ObjectPtr CellRange(platform::Object& sheet, std::int32_t row, std::int32_t col);

}  // namespace surva::sheet
