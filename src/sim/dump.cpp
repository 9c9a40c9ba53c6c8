#include "sim/dump.h"

// GCC 12 at -O2 reports "literal" + std::string as an overlapping memcpy
// (a known false positive of -Wrestrict); the code is plain concatenation.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include "text/number.h"

namespace surva::sim {

namespace {
std::string n(double v) { return text::toUtf8(text::formatGeneral(v)); }
std::string p(Vec3 v) { return "(" + n(v.x) + "," + n(v.y) + "," + n(v.z) + ")"; }
}  // namespace

std::string dumpEntity(const Entity& e) {
  std::string s = text::toUtf8(entityDxfType(e.kind));
  if (e.kind == EntityKind::Polyline3d) s = "POLYLINE3D";
  s += " " + text::toUtf8(e.handle) + " layer=" + text::toUtf8(e.layer);
  if (e.color != kColorByLayer) s += " color=" + std::to_string(e.color);
  switch (e.kind) {
    case EntityKind::Line: s += " " + p(e.start) + "-" + p(e.end); break;
    case EntityKind::Point: s += " " + p(e.start); break;
    case EntityKind::Circle: s += " " + p(e.center) + " r=" + n(e.radius); break;
    case EntityKind::Arc:
      s += " " + p(e.center) + " r=" + n(e.radius) + " a=" + n(e.startAngle) + ".." + n(e.endAngle);
      break;
    case EntityKind::Ellipse: s += " " + p(e.center) + " axis=" + p(e.majorAxis) + " ratio=" + n(e.radiusRatio); break;
    case EntityKind::LwPolyline:
    case EntityKind::Polyline2d:
    case EntityKind::Polyline3d:
      if (e.closed) s += " closed";
      for (std::size_t i = 0; i < e.vertices.size(); ++i) {
        s += " " + p(e.vertices[i]);
        if (i < e.bulges.size() && e.bulges[i] != 0) s += "b" + n(e.bulges[i]);
      }
      break;
    case EntityKind::Text:
    case EntityKind::MText:
      s += " \"" + text::toUtf8(e.textString) + "\" at " + p(e.insertion) + " h=" + n(e.height);
      if (e.hAlign != kLeft || e.vAlign != kBaseline)
        s += " just=" + std::to_string(e.hAlign) + "/" + std::to_string(e.vAlign) + " align=" + p(e.alignment);
      if (e.widthFactor != 1) s += " w=" + n(e.widthFactor);
      if (e.rotation != 0) s += " rot=" + n(e.rotation);
      break;
    case EntityKind::BlockRef: s += " \"" + text::toUtf8(e.blockName) + "\" at " + p(e.insertion); break;
  }
  return s;
}

std::string dumpEntities(const Drawing& d) {
  std::string s;
  for (const auto& e : d.entities()) s += dumpEntity(e) + "\n";
  return s;
}

std::string dumpLayers(const Drawing& d) {
  std::string s;
  for (const auto& l : d.layers()) s += text::toUtf8(l.name) + "\n";
  return s;
}

}  // namespace surva::sim
