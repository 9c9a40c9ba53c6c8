#include "sim/entity.h"

#include "sim/text_layout.h"

namespace surva::sim {

text::u16 entityClassName(EntityKind kind) {
  switch (kind) {
    case EntityKind::Line: return u"AcDbLine";
    case EntityKind::Circle: return u"AcDbCircle";
    case EntityKind::Arc: return u"AcDbArc";
    case EntityKind::Ellipse: return u"AcDbEllipse";
    case EntityKind::LwPolyline: return u"AcDbPolyline";
    case EntityKind::Polyline2d: return u"AcDb2dPolyline";
    case EntityKind::Polyline3d: return u"AcDb3dPolyline";
    case EntityKind::Text: return u"AcDbText";
    case EntityKind::MText: return u"AcDbMText";
    case EntityKind::Point: return u"AcDbPoint";
    case EntityKind::BlockRef: return u"AcDbBlockReference";
  }
  return u"AcDbEntity";
}

text::u16 entityDxfType(EntityKind kind) {
  switch (kind) {
    case EntityKind::Line: return u"LINE";
    case EntityKind::Circle: return u"CIRCLE";
    case EntityKind::Arc: return u"ARC";
    case EntityKind::Ellipse: return u"ELLIPSE";
    case EntityKind::LwPolyline: return u"LWPOLYLINE";
    case EntityKind::Polyline2d:
    case EntityKind::Polyline3d: return u"POLYLINE";
    case EntityKind::Text: return u"TEXT";
    case EntityKind::MText: return u"MTEXT";
    case EntityKind::Point: return u"POINT";
    case EntityKind::BlockRef: return u"INSERT";
  }
  return u"";
}

namespace {
Entity base(EntityKind k, text::u16 layer) {
  Entity e;
  e.kind = k;
  e.layer = std::move(layer);
  return e;
}

Entity polyline(EntityKind k, const std::vector<Vec3>& pts, double elevation, bool closed, text::u16 layer) {
  Entity e = base(k, std::move(layer));
  for (Vec3 p : pts) {
    if (k != EntityKind::Polyline3d) p.z = elevation;
    e.vertices.push_back(p);
  }
  e.bulges.assign(pts.size(), 0.0);
  e.elevation = k == EntityKind::Polyline3d ? 0 : elevation;
  e.closed = closed;
  return e;
}
}  // namespace

Entity makeLine(Vec3 a, Vec3 b, text::u16 layer) {
  Entity e = base(EntityKind::Line, std::move(layer));
  e.start = a;
  e.end = b;
  return e;
}

Entity makeCircle(Vec3 c, double r, text::u16 layer) {
  Entity e = base(EntityKind::Circle, std::move(layer));
  e.center = c;
  e.radius = r;
  return e;
}

Entity makeArc(Vec3 c, double r, double startRad, double endRad, text::u16 layer) {
  Entity e = makeCircle(c, r, std::move(layer));
  e.kind = EntityKind::Arc;
  e.startAngle = startRad;
  e.endAngle = endRad;
  return e;
}

Entity makeEllipse(Vec3 c, Vec3 majorAxis, double ratio, double startRad, double endRad, text::u16 layer) {
  Entity e = base(EntityKind::Ellipse, std::move(layer));
  e.center = c;
  e.majorAxis = majorAxis;
  e.radiusRatio = ratio;
  e.startAngle = startRad;
  e.endAngle = endRad;
  return e;
}

Entity makePoint(Vec3 p, text::u16 layer) {
  Entity e = base(EntityKind::Point, std::move(layer));
  e.start = p;
  return e;
}

Entity makeLwPolyline(const std::vector<Vec3>& xy, double elevation, bool closed, text::u16 layer) {
  return polyline(EntityKind::LwPolyline, xy, elevation, closed, std::move(layer));
}

Entity makePolyline2d(const std::vector<Vec3>& xy, double elevation, bool closed, text::u16 layer) {
  return polyline(EntityKind::Polyline2d, xy, elevation, closed, std::move(layer));
}

Entity makePolyline3d(const std::vector<Vec3>& pts, bool closed, text::u16 layer) {
  return polyline(EntityKind::Polyline3d, pts, 0, closed, std::move(layer));
}

Entity makeText(text::u16 s, Vec3 point, double height, int hAlign, int vAlign, text::u16 layer) {
  Entity e = base(EntityKind::Text, std::move(layer));
  e.textString = std::move(s);
  e.height = height;
  e.hAlign = hAlign;
  e.vAlign = vAlign;
  e.insertion = point;
  if (hAlign != kLeft || vAlign != kBaseline) {
    e.alignment = point;
    layoutText(e);
  }
  return e;
}

Entity makeMText(text::u16 s, Vec3 point, double height, text::u16 layer) {
  Entity e = base(EntityKind::MText, std::move(layer));
  e.textString = std::move(s);
  e.insertion = point;
  e.height = height;
  return e;
}

Entity makeBlockRef(text::u16 name, Vec3 point, text::u16 layer) {
  Entity e = base(EntityKind::BlockRef, std::move(layer));
  e.blockName = std::move(name);
  e.insertion = point;
  return e;
}

}  // namespace surva::sim
