#include "sim/insert.h"

namespace surva::sim {

Entity placed(Entity e, const Placement& pl) {
  e.handle.clear();
  e.start = pl.apply(e.start);
  e.end = pl.apply(e.end);
  e.center = pl.apply(e.center);
  e.radius *= pl.scale;
  e.majorAxis = pl.applyToDirection(e.majorAxis);
  if (e.kind == EntityKind::Arc || e.kind == EntityKind::Ellipse) {
    e.startAngle += pl.rotation;
    e.endAngle += pl.rotation;
  }
  for (auto& v : e.vertices) v = pl.apply(v);
  if (e.kind == EntityKind::LwPolyline || e.kind == EntityKind::Polyline2d)
    e.elevation = e.elevation * pl.scale + pl.origin.z;
  e.insertion = pl.apply(e.insertion);
  // A left-aligned text on the baseline reports no alignment point.
  if (e.kind != EntityKind::Text || e.hAlign != kLeft || e.vAlign != kBaseline) e.alignment = pl.apply(e.alignment);
  e.height *= pl.scale;
  e.rotation += pl.rotation;
  e.thickness *= pl.scale;
  return e;
}

std::size_t insertContent(Drawing& drawing, const DxfContent& content, const Placement& placement) {
  for (const auto& l : content.layers) drawing.ensureLayer(l.name, l.color);
  for (const auto& e : content.entities) drawing.add(placed(e, placement));
  return content.entities.size();
}

}  // namespace surva::sim
