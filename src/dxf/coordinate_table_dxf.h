#pragma once
// The ruled coordinate table as DXF entities, drawn with its upper-left
// corner at the origin, extending to +X and -Y.
#include "dxf/dxf_text.h"
#include "text/u16.h"
#include "ui/text_grid.h"

namespace surva::dxf {

// Values of the controls, read when the command runs.
struct TableSettings {
  bool yxOrder = false;      // "YX 作表": first coordinate column shows Y
  bool zColumn = false;      // CheckBox8 "Z座標"
  bool thousandths = false;  // CheckBox9 "1/1000"
  bool dimscale = true;      // CheckBox24 "上記数値を DIMSCALE 倍"
  text::u16 rowHeight;       // Edit15 "一行高さ"
  text::u16 nameWidth;       // Edit16 "列幅(測点）"
  text::u16 coordWidth;      // Edit17 "列幅（座標値）"
  text::u16 textHeight;      // Edit14 "表文字"
  text::u16 decimals;        // Edit20 "作表 少数桁数"
  text::u16 frameLayer;      // Edit11 "表枠"
  text::u16 textLayer;       // Edit12 "表文字"
};

// The most decimals a table writes: a longer number is no text a table cell shows.
inline constexpr int kMaxTableDecimals = 100;

// The decimals box as an integer; a negative count means 0. Throws Failure
// naming the text when it is not an integer or above kMaxTableDecimals.
int tableDecimals(text::u16view box);

// The whole file of the table of `list` (header row included) with sizes
// multiplied by `factor`. Throws Failure for a decimals box that is not an
// integer. The layer names are taken as given (check them first).
DxfText buildTableDxf(const ui::TextGrid& list, const TableSettings& settings, double factor,
                      const text::AnsiCodec& codec);

}  // namespace surva::dxf
