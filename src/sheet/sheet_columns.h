#pragma once
// Which worksheet columns hold the four fields of a list, and the worksheet
// row of the first data row.
#include <array>
#include <cstdint>

namespace surva::sheet {

struct SheetColumns {
  // Worksheet column (A = 1) of name, X, Y and Z, in list column order;
  // Z is 0 while it is not used.
  std::array<std::int32_t, 4> fields{1, 2, 3, 0};
  std::int32_t startRow = 1;
};

// List columns 0 to 3 (name, X, Y, Z) go with fields 0 to 3.
inline constexpr int kNameField = 0;
inline constexpr int kXField = 1;
inline constexpr int kYField = 2;

}  // namespace surva::sheet
