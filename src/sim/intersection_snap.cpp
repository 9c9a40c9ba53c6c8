#include "sim/intersection_snap.h"

#include <cmath>
#include <vector>

namespace surva::sim {

namespace {

struct Segment {
  Vec3 a, b;
};

void addPolylineSegments(const Entity& e, std::vector<Segment>& out) {
  const auto& v = e.vertices;
  std::size_t n = v.size();
  if (n < 2) return;
  std::size_t count = e.closed ? n : n - 1;
  for (std::size_t i = 0; i < count; ++i) {
    if (i < e.bulges.size() && e.bulges[i] != 0) continue;
    Vec3 a = v[i], b = v[(i + 1) % n];
    if (e.kind != EntityKind::Polyline3d) a.z = b.z = e.elevation;
    out.push_back({a, b});
  }
}

std::vector<Segment> segmentsOf(const Drawing& d) {
  std::vector<Segment> out;
  for (const Entity& e : d.entities()) {
    switch (e.kind) {
      case EntityKind::Line: out.push_back({e.start, e.end}); break;
      case EntityKind::LwPolyline:
      case EntityKind::Polyline2d:
      case EntityKind::Polyline3d: addPolylineSegments(e, out); break;
      default: break;
    }
  }
  return out;
}

// The crossing of two segments in X-Y, ends included; parallel ones have none.
std::optional<Vec3> crossing(const Segment& s, const Segment& t) {
  Vec3 r = s.b - s.a, q = t.b - t.a, w = t.a - s.a;
  double denom = r.x * q.y - r.y * q.x;
  double scale = std::max(std::hypot(r.x, r.y) * std::hypot(q.x, q.y), 1e-300);
  if (std::abs(denom) <= 1e-12 * scale) return std::nullopt;
  double u = (w.x * q.y - w.y * q.x) / denom;  // along s
  double v = (w.x * r.y - w.y * r.x) / denom;  // along t
  constexpr double eps = 1e-9;
  if (u < -eps || u > 1 + eps || v < -eps || v > 1 + eps) return std::nullopt;
  return s.a + r * u;
}

}  // namespace

std::optional<Vec3> nearestIntersection(const Drawing& drawing, Vec3 pick, double box) {
  std::vector<Segment> segs = segmentsOf(drawing);
  std::optional<Vec3> best;
  double bestDistance = 0;
  for (std::size_t i = 0; i < segs.size(); ++i) {
    for (std::size_t j = i + 1; j < segs.size(); ++j) {
      auto p = crossing(segs[i], segs[j]);
      if (!p || std::abs(p->x - pick.x) > box || std::abs(p->y - pick.y) > box) continue;
      double distance = std::hypot(p->x - pick.x, p->y - pick.y);
      if (!best || distance < bestDistance) {
        best = p;
        bestDistance = distance;
      }
    }
  }
  return best;
}

}  // namespace surva::sim
