#include "sim/drawing_view.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sim/text_layout.h"

namespace surva::sim {

namespace {

constexpr double kPi = std::numbers::pi;

Rgb grey(int v) { return {std::uint8_t(v), std::uint8_t(v), std::uint8_t(v)}; }

// Screen points along an arc of the drawing, close enough that no chord
// strays more than half a pixel from the curve.
void appendArc(std::vector<ScreenPoint>& out, const DrawingView& view, Vec3 centre, double rx, double ry, double axisAngle,
               double start, double sweep) {
  double radiusPx = std::max(rx, ry) * view.pixelsPerUnit();
  double step = radiusPx > 1 ? 2 * std::acos(std::max(-1.0, 1 - 0.5 / radiusPx)) : kPi / 2;
  int n = static_cast<int>(std::clamp(std::ceil(std::abs(sweep) / std::max(step, 1e-3)), 2.0, 720.0));
  for (int i = 0; i <= n; ++i) {
    double t = start + sweep * i / n;
    Vec3 local{rx * std::cos(t), ry * std::sin(t), 0};
    out.push_back(view.toScreen(centre + rotateZ(local, axisAngle)));
  }
}

double sweepOf(double start, double end) {
  double s = end - start;
  while (s <= 0) s += 2 * kPi;
  return s;
}

// A polyline's vertices at its elevation, each segment straight or, with a
// bulge (the tangent of a quarter of the included angle), an arc.
std::vector<ScreenPoint> polylineStroke(const Entity& e, const DrawingView& view) {
  std::vector<ScreenPoint> out;
  const auto& v = e.vertices;
  if (v.empty()) return out;
  bool flat = e.kind != EntityKind::Polyline3d;
  auto at = [&](std::size_t i) { return flat ? Vec3{v[i].x, v[i].y, e.elevation} : v[i]; };
  out.push_back(view.toScreen(at(0)));
  std::size_t segments = e.closed ? v.size() : v.size() - 1;
  for (std::size_t i = 0; i < segments; ++i) {
    Vec3 a = at(i), b = at((i + 1) % v.size());
    double bulge = flat && i < e.bulges.size() ? e.bulges[i] : 0;
    double chord = std::hypot(b.x - a.x, b.y - a.y);
    if (bulge == 0 || chord == 0) {
      out.push_back(view.toScreen(b));
      continue;
    }
    // The centre lies left of the chord for a positive (counter-clockwise) bulge.
    Vec3 mid = (a + b) * 0.5;
    Vec3 left{-(b.y - a.y) / chord, (b.x - a.x) / chord, 0};
    Vec3 centre = mid + left * (chord / 2 * (1 - bulge * bulge) / (2 * bulge));
    double r = std::hypot(a.x - centre.x, a.y - centre.y);
    double start = std::atan2(a.y - centre.y, a.x - centre.x);
    std::vector<ScreenPoint> arc;
    appendArc(arc, view, centre, r, r, 0, start, 4 * std::atan(bulge));
    out.insert(out.end(), arc.begin() + 1, arc.end());
  }
  return out;
}

// The text placed on its baseline: anchor, alignment and angle, whatever
// its justification.
ScreenText textOf(const Entity& e, const DrawingView& view) {
  ScreenText t;
  t.text = e.textString;
  double h = e.height, angle = e.rotation, wf = e.widthFactor > 0 ? e.widthFactor : 1;
  Vec3 anchor = e.insertion;
  if (e.kind == EntityKind::MText) {
    anchor = e.insertion - rotateZ({0, h, 0}, angle);  // attached at its top left
  } else if (e.hAlign == kAligned || e.hAlign == kFit) {
    // Stretched between the insertion and alignment points.
    Vec3 d = e.alignment - e.insertion;
    double len = std::hypot(d.x, d.y);
    if (len > 0) {
      angle = std::atan2(d.y, d.x);
      double natural = approximateTextWidth(e.textString, h, 1);
      if (natural > 0) wf = len / natural;
    }
  } else if (e.hAlign != kLeft || e.vAlign != kBaseline) {
    t.align = e.hAlign == kRight ? 2 : e.hAlign == kLeft ? 0 : 1;
    double above = 0;  // how far the alignment point lies above the baseline
    if (e.hAlign == kMiddle || e.vAlign == kVMiddle) above = h / 2;
    else if (e.vAlign == kTop) above = h;
    else if (e.vAlign == kBottom) above = -0.3 * h;
    anchor = e.alignment - rotateZ({0, above, 0}, angle);
  }
  double w = approximateTextWidth(e.textString, h, wf);
  double x0 = t.align == 0 ? 0 : t.align == 1 ? -w / 2 : -w;
  const Vec3 corners[4] = {{x0, 0, 0}, {x0 + w, 0, 0}, {x0 + w, h, 0}, {x0, h, 0}};
  for (int i = 0; i < 4; ++i) t.outline[i] = view.toScreen(anchor + rotateZ(corners[i], angle));
  t.anchor = view.toScreen(anchor);
  t.size = h * view.pixelsPerUnit();
  t.angle = angle;
  t.widthFactor = wf;
  return t;
}

double distanceToSegment(ScreenPoint p, ScreenPoint a, ScreenPoint b) {
  double dx = b.x - a.x, dy = b.y - a.y;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0) : 0;
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool insidePolygon(ScreenPoint p, const std::array<ScreenPoint, 4>& poly) {
  bool inside = false;
  for (std::size_t i = 0, j = poly.size() - 1; i < poly.size(); j = i++) {
    if ((poly[i].y > p.y) != (poly[j].y > p.y) &&
        p.x < (poly[j].x - poly[i].x) * (p.y - poly[i].y) / (poly[j].y - poly[i].y) + poly[i].x)
      inside = !inside;
  }
  return inside;
}

// The part of segment a-b inside [x0,x1]×[y0,y1] as parameters t0 <= t1, or nothing.
bool clipSegment(ScreenPoint a, ScreenPoint b, double x0, double y0, double x1, double y1, double& t0, double& t1) {
  t0 = 0;
  t1 = 1;
  double d[2] = {b.x - a.x, b.y - a.y};
  double lo[2] = {x0 - a.x, y0 - a.y}, hi[2] = {x1 - a.x, y1 - a.y};
  for (int k = 0; k < 2; ++k) {
    if (d[k] == 0) {
      if (lo[k] > 0 || hi[k] < 0) return false;
      continue;
    }
    double ta = lo[k] / d[k], tb = hi[k] / d[k];
    if (ta > tb) std::swap(ta, tb);
    t0 = std::max(t0, ta);
    t1 = std::min(t1, tb);
    if (t0 > t1) return false;
  }
  return true;
}

// Every outline point and edge of a shape, for window selection.
std::vector<std::vector<ScreenPoint>> outlinesOf(const Shape& s) {
  std::vector<std::vector<ScreenPoint>> out = s.strokes;
  if (s.mark) out.push_back({*s.mark});
  if (s.text) {
    const auto& o = s.text->outline;
    out.push_back({o[0], o[1], o[2], o[3], o[0]});
  }
  return out;
}

}  // namespace

Rgb colorOfIndex(int i) {
  static const Rgb base[10] = {{255, 255, 255}, {255, 0, 0},     {255, 255, 0}, {0, 255, 0},     {0, 255, 255},
                               {0, 0, 255},     {255, 0, 255},   {255, 255, 255}, {128, 128, 128}, {192, 192, 192}};
  if (i >= 0 && i < 10) return base[i];
  if (i >= 250 && i <= 255) {
    static const int greys[6] = {51, 91, 132, 173, 214, 255};
    return grey(greys[i - 250]);
  }
  if (i < 10 || i > 255) return base[7];
  // 10-249: a hue every 15 degrees, ten shades each: five brightnesses,
  // the odd ones paler.
  double hue = ((i - 10) / 10) * 15.0;
  int shade = i % 10;
  static const double value[5] = {1.0, 0.65, 0.5, 0.3, 0.15};
  double v = value[shade / 2];
  double pale = shade % 2 ? 0.5 : 0.0;
  auto channel = [&](double n) {
    double k = std::fmod(n + hue / 60.0, 6.0);
    double c = 1 - std::max(0.0, std::min({k, 4 - k, 1.0}));  // 1 where the hue has this primary
    c = pale + (1 - pale) * c;
    return std::uint8_t(std::lround(255 * v * c));
  };
  return {channel(5), channel(3), channel(1)};
}

DrawingView::DrawingView(Vec3 centre, double height, int widthPx, int heightPx)
    : centre_(centre),
      height_(std::isfinite(height) && height > 0 ? height : 100),
      widthPx_(std::max(widthPx, 1)),
      heightPx_(std::max(heightPx, 1)) {}

DrawingView DrawingView::of(const Drawing& d, int widthPx, int heightPx) {
  return DrawingView(d.variables().point(u"VIEWCTR"), d.variables().number(u"VIEWSIZE"), widthPx, heightPx);
}

void DrawingView::storeIn(Drawing& d) const {
  d.variables().setPoint(u"VIEWCTR", centre_);
  d.variables().setRaw(u"VIEWSIZE", platform::Variant(height_));
}

ScreenPoint DrawingView::toScreen(Vec3 p) const {
  double k = pixelsPerUnit();
  return {widthPx_ / 2.0 + (p.x - centre_.x) * k, heightPx_ / 2.0 - (p.y - centre_.y) * k};
}

Vec3 DrawingView::toWorld(ScreenPoint s) const {
  double k = pixelsPerUnit();
  return {centre_.x + (s.x - widthPx_ / 2.0) / k, centre_.y - (s.y - heightPx_ / 2.0) / k, 0};
}

void DrawingView::zoomAt(ScreenPoint at, double factor) {
  if (!(factor > 0)) return;
  Vec3 fixed = toWorld(at);
  height_ /= factor;
  double k = pixelsPerUnit();
  centre_ = {fixed.x - (at.x - widthPx_ / 2.0) / k, fixed.y + (at.y - heightPx_ / 2.0) / k, centre_.z};
}

void DrawingView::panBy(double dx, double dy) {
  double k = pixelsPerUnit();
  centre_.x -= dx / k;
  centre_.y += dy / k;
}

void DrawingView::fitAll(const std::vector<Shape>& shapes) {
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  for (const Shape& s : shapes)
    for (const auto& line : outlinesOf(s))
      for (ScreenPoint p : line) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
      }
  if (x0 > x1) return;
  Vec3 a = toWorld({x0, y1}), b = toWorld({x1, y0});
  double tall = std::max(b.y - a.y, (b.x - a.x) * heightPx_ / widthPx_);
  centre_ = {(a.x + b.x) / 2, (a.y + b.y) / 2, centre_.z};
  height_ = tall > 0 ? tall * 1.1 : height_;
}

std::vector<Shape> shapesOf(const Drawing& d, const DrawingView& view) {
  std::vector<Shape> shapes;
  shapes.reserve(d.entities().size());
  for (const Entity& e : d.entities()) {
    const Layer* layer = d.findLayer(e.layer);
    int layerColor = layer ? layer->color : 7;
    if (layerColor < 0) continue;  // layer off
    Shape s;
    s.handle = e.handle;
    s.color = colorOfIndex(e.color == kColorByLayer ? layerColor : e.color == 0 ? 7 : e.color);
    switch (e.kind) {
      case EntityKind::Line: s.strokes.push_back({view.toScreen(e.start), view.toScreen(e.end)}); break;
      case EntityKind::Point: s.mark = view.toScreen(e.start); break;
      case EntityKind::Circle:
      case EntityKind::Arc: {
        bool full = e.kind == EntityKind::Circle;
        s.strokes.emplace_back();
        appendArc(s.strokes.back(), view, e.center, e.radius, e.radius, 0, full ? 0 : e.startAngle,
                  full ? 2 * kPi : sweepOf(e.startAngle, e.endAngle));
        break;
      }
      case EntityKind::Ellipse: {
        double a = std::hypot(e.majorAxis.x, e.majorAxis.y);
        bool full = std::abs(sweepOf(e.startAngle, e.endAngle) - 2 * kPi) < 1e-12 || e.startAngle == e.endAngle;
        s.strokes.emplace_back();
        appendArc(s.strokes.back(), view, e.center, a, a * e.radiusRatio, std::atan2(e.majorAxis.y, e.majorAxis.x),
                  e.startAngle, full ? 2 * kPi : sweepOf(e.startAngle, e.endAngle));
        break;
      }
      case EntityKind::LwPolyline:
      case EntityKind::Polyline2d:
      case EntityKind::Polyline3d: s.strokes.push_back(polylineStroke(e, view)); break;
      case EntityKind::Text:
      case EntityKind::MText: s.text = textOf(e, view); break;
      case EntityKind::BlockRef: {
        // The block's content is not kept: a cross marks where it sits.
        ScreenPoint p = view.toScreen(e.insertion);
        s.strokes.push_back({{p.x - 5, p.y - 5}, {p.x + 5, p.y + 5}});
        s.strokes.push_back({{p.x - 5, p.y + 5}, {p.x + 5, p.y - 5}});
        break;
      }
    }
    shapes.push_back(std::move(s));
  }
  return shapes;
}

text::u16 pickAt(const std::vector<Shape>& shapes, ScreenPoint at, double tolerance) {
  const Shape* best = nullptr;
  double bestDistance = tolerance;
  for (const Shape& s : shapes) {
    double dist = 1e300;
    for (const auto& stroke : s.strokes) {
      if (stroke.size() == 1) dist = std::min(dist, std::hypot(at.x - stroke[0].x, at.y - stroke[0].y));
      for (std::size_t i = 1; i < stroke.size(); ++i) dist = std::min(dist, distanceToSegment(at, stroke[i - 1], stroke[i]));
    }
    if (s.mark) dist = std::min(dist, std::hypot(at.x - s.mark->x, at.y - s.mark->y));
    if (s.text) {
      const auto& o = s.text->outline;
      if (insidePolygon(at, o)) dist = 0;
      for (int i = 0; i < 4; ++i) dist = std::min(dist, distanceToSegment(at, o[i], o[(i + 1) % 4]));
    }
    if (dist <= bestDistance) {
      bestDistance = dist;
      best = &s;
    }
  }
  return best ? best->handle : text::u16();
}

std::vector<text::u16> selectByWindow(const std::vector<Shape>& shapes, ScreenPoint from, ScreenPoint to) {
  bool crossing = to.x < from.x;
  double x0 = std::min(from.x, to.x), x1 = std::max(from.x, to.x);
  double y0 = std::min(from.y, to.y), y1 = std::max(from.y, to.y);
  auto inside = [&](ScreenPoint p) { return p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1; };
  std::vector<text::u16> out;
  for (const Shape& s : shapes) {
    auto outlines = outlinesOf(s);
    bool all = !outlines.empty(), any = false;
    for (const auto& line : outlines) {
      for (std::size_t i = 0; i < line.size(); ++i) {
        bool in = inside(line[i]);
        all = all && in;
        any = any || in;
        double t0, t1;
        if (i > 0 && !any && clipSegment(line[i - 1], line[i], x0, y0, x1, y1, t0, t1)) any = true;
      }
    }
    // A crossing window wholly inside a text's box touches the text too.
    if (!any && s.text) any = insidePolygon({x0, y0}, s.text->outline);
    if (crossing ? any : all) out.push_back(s.handle);
  }
  return out;
}

bool DrawingView::showsAny(const std::vector<Shape>& shapes) const {
  // A crossing window over the whole view: whatever it touches shows.
  return !selectByWindow(shapes, {double(widthPx_), 0}, {0, double(heightPx_)}).empty();
}

std::vector<std::vector<ScreenPoint>> clipToScreen(const std::vector<ScreenPoint>& stroke, double width, double height,
                                                   double margin) {
  std::vector<std::vector<ScreenPoint>> pieces;
  double x0 = -margin, y0 = -margin, x1 = width + margin, y1 = height + margin;
  if (stroke.size() == 1) {
    if (stroke[0].x >= x0 && stroke[0].x <= x1 && stroke[0].y >= y0 && stroke[0].y <= y1) pieces.push_back(stroke);
    return pieces;
  }
  std::vector<ScreenPoint> piece;
  auto lerp = [](ScreenPoint a, ScreenPoint b, double t) { return ScreenPoint{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; };
  for (std::size_t i = 1; i < stroke.size(); ++i) {
    double t0, t1;
    if (!clipSegment(stroke[i - 1], stroke[i], x0, y0, x1, y1, t0, t1)) {
      if (!piece.empty()) pieces.push_back(std::move(piece));
      piece.clear();
      continue;
    }
    if (t0 > 0 && !piece.empty()) {
      pieces.push_back(std::move(piece));
      piece.clear();
    }
    if (piece.empty()) piece.push_back(lerp(stroke[i - 1], stroke[i], t0));
    piece.push_back(lerp(stroke[i - 1], stroke[i], t1));
    if (t1 < 1) {
      pieces.push_back(std::move(piece));
      piece.clear();
    }
  }
  if (!piece.empty()) pieces.push_back(std::move(piece));
  return pieces;
}

}  // namespace surva::sim
