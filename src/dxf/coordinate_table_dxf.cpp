#include "dxf/coordinate_table_dxf.h"

#include "dxf/dxf_format.h"
#include "dxf/dxf_records.h"
#include "dxf/layer_name.h"
#include "text/error.h"
#include "text/number.h"
#include "text/round_digits.h"

namespace surva::dxf {

int tableDecimals(text::u16view box) {
  const auto d = text::tryParseInt(box);
  if (!d) throw Failure(u"'" + text::u16(box) + u"' は有効な整数値ではありません");
  // Every value is written with exactly d decimals; a count no table can
  // show is refused rather than cut.
  if (*d > kMaxTableDecimals)
    throw Failure(u"作表 少数桁数 '" + text::u16(box) + u"' が大きすぎます (" + text::intToText(kMaxTableDecimals) +
                  u" まで)");
  return *d < 0 ? 0 : *d;
}

namespace {

struct Geometry {
  double h, wN, wC, t;
  int c;  // coordinate columns
  // Right rule of table column k (k = 0 for the station names).
  double rightOf(int k) const { return wN + k * wC; }
  double right() const { return rightOf(c); }
};

}  // namespace

DxfText buildTableDxf(const ui::TextGrid& list, const TableSettings& s, double factor,
                      const text::AnsiCodec& codec) {
  Geometry g{};
  g.h = text::parseNumber(s.rowHeight) * factor;
  g.wN = text::parseNumber(s.nameWidth) * factor;
  g.wC = text::parseNumber(s.coordWidth) * factor;
  g.t = text::parseNumber(s.textHeight) * factor;
  g.c = s.zColumn ? 3 : 2;
  const int n = list.rowCount();

  DxfText dxf(codec);
  const std::string frame = dxf.encodeValue(layerOrDefault(s.frameLayer));
  const std::string textLayer = dxf.encodeValue(layerOrDefault(s.textLayer));
  WriteDxfHeader(dxf);
  writeEntitiesStart(dxf);

  const double yB = -g.h * n;
  for (int i = 0; i <= n; ++i) writeHorizontalLine(dxf, frame, -g.h * i, g.right());
  writeVerticalLine(dxf, frame, 0.0, yB);
  for (int k = 0; k <= g.c; ++k) writeVerticalLine(dxf, frame, g.rightOf(k), yB);

  static const text::u16view kHeadings[] = {u"測点", u"X座標", u"Y座標", u"Z座標"};
  writeTableHeading(dxf, textLayer, g.wN / 2, -g.h / 2, g.t, dxf.encodeValue(kHeadings[0]));
  for (int k = 1; k <= g.c; ++k)
    writeTableHeading(dxf, textLayer, g.rightOf(k - 1) + g.wC / 2, -g.h / 2, g.t, dxf.encodeValue(kHeadings[k]));

  const int d = tableDecimals(s.decimals);
  static const int kXyColumns[] = {0, 1, 2, 3};
  static const int kYxColumns[] = {0, 2, 1, 3};
  const int* source = s.yxOrder ? kYxColumns : kXyColumns;
  for (int r = 1; r < n; ++r) {
    const double y = -g.h * r - g.h / 2;
    for (int k = 0; k <= g.c; ++k) {
      const text::u16& cell = list.cell(source[k], r);
      if (cell.empty()) continue;
      if (k == 0) {
        writeTableCell(dxf, textLayer, CellAlign::Left, g.h, y, g.t, dxf.encodeValue(cell));
        continue;
      }
      double value = text::parseNumber(cell);
      if (s.thousandths) value /= 1000;
      const std::string shown = formatFixedAscii(text::RoundDigits(value, d), d);
      writeTableCell(dxf, textLayer, CellAlign::Right, g.rightOf(k) - g.h, y, g.t, shown);
    }
  }
  writeFileEnd(dxf);
  return dxf;
}

}  // namespace surva::dxf
