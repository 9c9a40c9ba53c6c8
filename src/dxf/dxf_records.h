#pragma once
// The fixed head and every entity record the program writes. Layer and text
// arguments are values already encoded with DxfText::encodeValue.
#include <string>
#include <string_view>

#include "dxf/dxf_text.h"

namespace surva::dxf {

struct Xyz {
  double x = 0;
  double y = 0;
  double z = 0;
};

// HEADER section declaring AC1009, then TABLES with the one LTYPE table.
void WriteDxfHeader(DxfText& dxf);
void writeEntitiesStart(DxfText& dxf);
void writeFileEnd(DxfText& dxf);

// flag: 1 closed, + 8 three-dimensional.
void writePolylineHead(DxfText& dxf, std::string_view layer, int flag);
void writeVertex(DxfText& dxf, std::string_view layer, const Xyz& p);
void writeSeqend(DxfText& dxf);
void writePoint(DxfText& dxf, std::string_view layer, const Xyz& p);
void writeCircle(DxfText& dxf, std::string_view layer, const Xyz& centre, double radius);
// Left-aligned on the base line at the point.
void writeNameText(DxfText& dxf, std::string_view layer, const Xyz& p, double height, std::string_view text);
// Top-left aligned at the point, width factor 0.8.
void writeCoordText(DxfText& dxf, std::string_view layer, const Xyz& p, double height, std::string_view text);

// Table texts are two-dimensional and middle-aligned.
void writeTableHeading(DxfText& dxf, std::string_view layer, double x, double y, double height,
                       std::string_view text);
enum class CellAlign { Left = 0, Right = 2 };
void writeTableCell(DxfText& dxf, std::string_view layer, CellAlign align, double x, double y, double height,
                    std::string_view text);
// From (0.0, y) to (x2, y), and from (x, 0.0) to (x, y2).
void writeHorizontalLine(DxfText& dxf, std::string_view layer, double y, double x2);
void writeVerticalLine(DxfText& dxf, std::string_view layer, double x, double y2);

}  // namespace surva::dxf
