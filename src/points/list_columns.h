#pragma once
// Column positions and header rows of the four grids of the main window.
#include <vector>

#include "text/u16.h"

namespace surva::ui {
class TextGrid;
}

namespace surva::points {

// The main list.
inline constexpr int kNameCol = 0;
inline constexpr int kXCol = 1;
inline constexpr int kYCol = 2;
inline constexpr int kZCol = 3;
inline constexpr int kPlotNoCol = 4;
inline constexpr int kMainListCols = 5;
// Columns 0 to 3 carry the point; PLOT No. is only a row number.
inline constexpr int kPointCols = 4;

// The SIMA read and write lists: code, point number, name, X, Y, Z.
inline constexpr int kSimaCols = 6;
inline constexpr int kSimaFirstCoordCol = 3;
inline constexpr int kSimaLastCoordCol = 5;

const std::vector<text::u16>& MainListHeader();  // " 測点", " X座標", ...
const std::vector<text::u16>& TextListHeader();  // " TEXT", " X座標", ...
const std::vector<text::u16>& SimaListHeader();  // " コード", " 点番号", ...

// Gives the grid at least as many columns as the header and writes it into
// row 0.
void WriteHeader(ui::TextGrid& grid, const std::vector<text::u16>& header);

}  // namespace surva::points
