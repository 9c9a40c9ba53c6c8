#pragma once
// One entity of the stand-in drawing: a plain record with the fields of
// every kind; each kind uses the fields its automation members show.
#include <vector>

#include "sim/vec3.h"
#include "text/u16.h"

namespace surva::sim {

enum class EntityKind { Line, Circle, Arc, Ellipse, LwPolyline, Polyline2d, Polyline3d, Text, MText, Point, BlockRef };

// DXF-style alignment codes, the same numbers the automation model uses.
enum HAlign { kLeft = 0, kCenter = 1, kRight = 2, kAligned = 3, kMiddle = 4, kFit = 5 };
enum VAlign { kBaseline = 0, kBottom = 1, kVMiddle = 2, kTop = 3 };

constexpr int kColorByLayer = 256;

struct Entity {
  EntityKind kind = EntityKind::Point;
  text::u16 handle;  // hexadecimal, given by the drawing
  text::u16 layer = u"0";
  int color = kColorByLayer;
  Vec3 normal{0, 0, 1};
  double thickness = 0;

  // Line; also the position of a point.
  Vec3 start, end;
  // Circle, arc, ellipse.
  Vec3 center;
  double radius = 0;
  double startAngle = 0, endAngle = 0;  // radians
  Vec3 majorAxis;                       // ellipse, relative to the centre
  double radiusRatio = 1;
  // Polylines: lightweight and 2D vertices lie at `elevation`.
  std::vector<Vec3> vertices;
  std::vector<double> bulges;  // one per vertex, 0 when absent
  bool closed = false;
  double elevation = 0;
  // Text, multiline text, block reference.
  text::u16 textString;
  Vec3 insertion;
  Vec3 alignment;  // (0,0,0) for left-aligned text on the baseline, as the CAD reports it
  double height = 0;
  double widthFactor = 1;
  double rotation = 0;  // radians
  int hAlign = kLeft;
  int vAlign = kBaseline;
  text::u16 blockName;
  Vec3 scale{1, 1, 1};
};

// "AcDbLine", "AcDbText", ...: the class name automation reports.
text::u16 entityClassName(EntityKind kind);
// "LINE", "TEXT", "LWPOLYLINE", "POLYLINE", ...: the DXF type that selection
// filters on group code 0 name.
text::u16 entityDxfType(EntityKind kind);

// Factories for tests and the demo; handles are given when added to a drawing.
Entity makeLine(Vec3 a, Vec3 b, text::u16 layer = u"0");
Entity makeCircle(Vec3 c, double r, text::u16 layer = u"0");
Entity makeArc(Vec3 c, double r, double startRad, double endRad, text::u16 layer = u"0");
Entity makeEllipse(Vec3 c, Vec3 majorAxis, double ratio, double startRad, double endRad, text::u16 layer = u"0");
Entity makePoint(Vec3 p, text::u16 layer = u"0");
Entity makeLwPolyline(const std::vector<Vec3>& xy, double elevation, bool closed, text::u16 layer = u"0");
Entity makePolyline2d(const std::vector<Vec3>& xy, double elevation, bool closed, text::u16 layer = u"0");
Entity makePolyline3d(const std::vector<Vec3>& pts, bool closed, text::u16 layer = u"0");
// A text at `point`: the insertion point for left/baseline, otherwise the
// alignment point (the insertion point is then laid out from it).
Entity makeText(text::u16 s, Vec3 point, double height, int hAlign = kLeft, int vAlign = kBaseline,
                text::u16 layer = u"0");
Entity makeMText(text::u16 s, Vec3 point, double height, text::u16 layer = u"0");
Entity makeBlockRef(text::u16 name, Vec3 point, text::u16 layer = u"0");

}  // namespace surva::sim
