#include "dxf/dxf_records.h"

#include "dxf/dxf_format.h"

namespace surva::dxf {

void WriteDxfHeader(DxfText& dxf) {
  dxf.addItem({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  0", "ENDSEC"});
  dxf.addItem({"  0", "SECTION", "  2", "TABLES"});
  dxf.addItem({"  0", "TABLE", "  2", "LTYPE"});
  dxf.addItem({" 70", "  1", "  0", "LTYPE"});
  dxf.addItem({"  2", "CONTINUOUS", " 70", "  0"});
  dxf.addItem({"  3", "Solid line", " 72", " 65"});
  dxf.addItem({" 73", "  0", " 40", "0.0"});
  dxf.addItem({"  0", "ENDTAB", "  0", "ENDSEC"});
}

void writeEntitiesStart(DxfText& dxf) { dxf.addItem({"  0", "SECTION", "  2", "ENTITIES"}); }

void writeFileEnd(DxfText& dxf) { dxf.addItem({"  0", "ENDSEC", "  0", "EOF"}); }

namespace {

void writeXyz(DxfText& dxf, const Xyz& p) {
  dxf.addItem({" 10", formatCoord(p.x)});
  dxf.addItem({" 20", formatCoord(p.y)});
  dxf.addItem({" 30", formatCoord(p.z)});
}

void writeEntityStart(DxfText& dxf, std::string_view kind, std::string_view layer) {
  dxf.addItem({"  0", kind, "  8", layer});
}

}  // namespace

void writePolylineHead(DxfText& dxf, std::string_view layer, int flag) {
  writeEntityStart(dxf, "POLYLINE", layer);
  dxf.addItem({" 66", "     1", " 10", "0.0"});
  dxf.addItem({" 20", "0.0", " 30", "0.0"});
  dxf.addItem({" 70", "     " + std::to_string(flag)});
}

void writeVertex(DxfText& dxf, std::string_view layer, const Xyz& p) {
  writeEntityStart(dxf, "VERTEX", layer);
  writeXyz(dxf, p);
}

void writeSeqend(DxfText& dxf) { dxf.addItem({"  0", "SEQEND"}); }

void writePoint(DxfText& dxf, std::string_view layer, const Xyz& p) {
  writeEntityStart(dxf, "POINT", layer);
  writeXyz(dxf, p);
}

void writeCircle(DxfText& dxf, std::string_view layer, const Xyz& centre, double radius) {
  writeEntityStart(dxf, "CIRCLE", layer);
  writeXyz(dxf, centre);
  dxf.addItem({" 40", formatSize(radius)});
}

void writeNameText(DxfText& dxf, std::string_view layer, const Xyz& p, double height, std::string_view text) {
  writeEntityStart(dxf, "TEXT", layer);
  writeXyz(dxf, p);
  dxf.addItem({" 40", formatSize(height)});
  dxf.addItem({"  1", text});
  dxf.addItem({" 41", "1.0"});
}

void writeCoordText(DxfText& dxf, std::string_view layer, const Xyz& p, double height, std::string_view text) {
  writeEntityStart(dxf, "TEXT", layer);
  dxf.addItem({" 72", "0"});
  dxf.addItem({" 73", "3"});
  writeXyz(dxf, p);
  dxf.addItem({" 11", formatCoord(p.x)});
  dxf.addItem({" 21", formatCoord(p.y)});
  dxf.addItem({" 31", formatCoord(p.z)});
  dxf.addItem({" 40", formatSize(height)});
  dxf.addItem({"  1", text});
  dxf.addItem({" 41", "0.8"});
}

namespace {

void writeTableText(DxfText& dxf, std::string_view layer, std::string_view hAlign, double x, double y, double height,
                    std::string_view text, std::string_view widthFactor) {
  writeEntityStart(dxf, "TEXT", layer);
  dxf.addItem({" 72", hAlign});
  dxf.addItem({" 73", "2"});
  const std::string xs = formatCoord(x);
  const std::string ys = formatCoord(y);
  dxf.addItem({" 10", xs});
  dxf.addItem({" 20", ys});
  dxf.addItem({" 11", xs});
  dxf.addItem({" 21", ys});
  dxf.addItem({" 40", formatSize(height)});
  dxf.addItem({"  1", text});
  dxf.addItem({" 41", widthFactor});
}

}  // namespace

void writeTableHeading(DxfText& dxf, std::string_view layer, double x, double y, double height,
                       std::string_view text) {
  writeTableText(dxf, layer, "1", x, y, height, text, "1.0");
}

void writeTableCell(DxfText& dxf, std::string_view layer, CellAlign align, double x, double y, double height,
                    std::string_view text) {
  writeTableText(dxf, layer, align == CellAlign::Left ? "0" : "2", x, y, height, text, "0.8");
}

void writeHorizontalLine(DxfText& dxf, std::string_view layer, double y, double x2) {
  writeEntityStart(dxf, "LINE", layer);
  const std::string ys = formatCoord(y);
  dxf.addItem({" 10", "0.0"});
  dxf.addItem({" 20", ys});
  dxf.addItem({" 11", formatCoord(x2)});
  dxf.addItem({" 21", ys});
}

void writeVerticalLine(DxfText& dxf, std::string_view layer, double x, double y2) {
  writeEntityStart(dxf, "LINE", layer);
  const std::string xs = formatCoord(x);
  dxf.addItem({" 10", xs});
  dxf.addItem({" 20", "0.0"});
  dxf.addItem({" 11", xs});
  dxf.addItem({" 21", formatCoord(y2)});
}

}  // namespace surva::dxf
