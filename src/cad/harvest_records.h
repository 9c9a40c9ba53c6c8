#pragma once
// The entity records of the harvest store, one type per kind, with the
// fields and field order of the program's drawing-exchange records. A new
// record has every number 0, every text empty and every flag false; a
// harvest sets only the fields it reads from CAD.
#include <array>
#include <cstdint>

#include "points/acad_point.h"
#include "text/u16.h"

namespace surva::cad {

using points::TAcadPoint;
using TColor = std::int32_t;    // a 32-bit colour value
using TPenStyle = std::uint8_t;  // a pen style enumeration

struct TAcadLineBlk {
  text::u16 bname, layer, ltype;
  std::int16_t color = 0;
  TAcadPoint st, ed;
  TColor PenColor = 0;
  TPenStyle PenStyle = 0;
  std::int16_t code67 = 0;
  TAcadPoint code210;
  std::int16_t layindex = 0;
  double atsumi = 0;  // thickness
  std::int16_t convtype = 0;
  bool lwpflag = false;
};

struct TCircleBlk {
  text::u16 bname, layer, ltype;
  std::int16_t color = 0;
  TAcadPoint center;
  double hankei = 0;  // radius
  TColor PenColor = 0;
  TPenStyle PenStyle = 0;
  std::int16_t code67 = 0;
  TAcadPoint code210;
  std::int16_t layindex = 0;
  double atsumi = 0;
};

struct TArcBlk {
  text::u16 bname, layer, ltype;
  std::int16_t color = 0;
  TAcadPoint center;
  double hankei = 0;
  double st = 0, ed = 0;
  TColor PenColor = 0;
  TPenStyle PenStyle = 0;
  std::int16_t code67 = 0;
  TAcadPoint code210;
  std::int16_t layindex = 0;
  double atsumi = 0;
  bool lwpflag = false;
  double stdeg = 0, eddeg = 0;  // degrees
};

struct TEllipseBlk {
  text::u16 bname, layer, ltype;
  std::int16_t color = 0;
  TAcadPoint center, endpoint;
  double henpei = 0;  // minor to major axis
  double kaisi = 0;   // start angle, degrees
  double owari = 0;   // end angle, degrees
  TAcadPoint code210;
  std::int16_t layindex = 0;
};

struct TLwpBlk {
  text::u16 bname, layer, ltype;
  std::int32_t ihand = 0;
  std::int16_t color = 0, code67 = 0, code70 = 0, code71 = 0, code72 = 0, code73 = 0, code74 = 0;
  TAcadPoint code210;
  TColor PenColor = 0;
  TPenStyle PenStyle = 0;
  std::int16_t layindex = 0;
  double atsumi = 0;
  double Koudo = 0;
  double atumi = 0;
  text::u16 hand;     // the polyline's handle
  double code38 = 0;  // elevation
  double code39 = 0;  // thickness
};

struct TLwpEle {
  std::int32_t ihand = 0;
  TAcadPoint code10;  // the vertex
  double code42 = 0;  // bulge of the segment starting here
  text::u16 hand;     // handle of the polyline
};

struct TTextBlk {
  text::u16 bname, layer;
  std::int16_t color = 0;
  TAcadPoint pt10, pt11;  // insertion point, alignment point
  double code40 = 0, code41 = 0, code50 = 0;
  std::int16_t code72 = 0, code73 = 0, code70 = 0, code71 = 0;
  text::u16 str;
  bool mtflag = false;
  TColor PenColor = 0;
  std::int16_t code67 = 0;
  TAcadPoint code210;
  std::int16_t layindex = 0;
};

struct TPointEnt {
  text::u16 layer;
  TAcadPoint pt;
};

struct TInsertBlk {
  text::u16 name, layer, ltype;
  TAcadPoint base, scale;
  std::int16_t color = 0;
  double rotate = 0;
  std::int16_t code66 = 0;
  TColor PenColor = 0;
  TPenStyle PenStyle = 0;
  std::int16_t code67 = 0;
  TAcadPoint code210;
  std::int16_t layindex = 0;
};

struct TFaceBlk {
  text::u16 bname, layer, ltype;
  std::int16_t color = 0;
  std::array<TAcadPoint, 4> pt;
  TColor PenColor = 0;
  TPenStyle PenStyle = 0;
  std::int16_t code67 = 0, code70 = 0, count = 0, layindex = 0;
};

// Where the main list takes a text's position: the insertion point for
// left, aligned and fit texts on the baseline, the alignment point for
// every other justification.
inline const TAcadPoint& TextAnchor(const TTextBlk& t) {
  const bool insertion = (t.code72 == 0 || t.code72 == 3 || t.code72 == 5) && t.code73 == 0;
  return insertion ? t.pt10 : t.pt11;
}

}  // namespace surva::cad
