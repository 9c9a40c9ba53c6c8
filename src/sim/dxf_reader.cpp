#include "sim/dxf_reader.h"

#include <cmath>
#include <numbers>
#include <optional>

#include "sim/text_layout.h"
#include "text/error.h"
#include "text/number.h"

namespace surva::sim {

namespace {

struct Pair {
  int code = 0;
  text::u16 value;
  std::size_t line = 0;  // line number of the group code, from 1
};

[[noreturn]] void fail(std::size_t line, const std::string& what) {
  throw Failure(text::ascii("Line " + std::to_string(line) + ": " + what +
                            ". Invalid or incomplete DXF input -- drawing discarded."));
}

std::vector<Pair> readPairs(std::string_view bytes, const text::AnsiCodec& codec) {
  text::u16 all = codec.decode(bytes);
  std::vector<text::u16> lines;
  std::size_t b = 0;
  while (b < all.size()) {
    std::size_t e = all.find(u'\n', b);
    if (e == text::u16::npos) e = all.size();
    text::u16 line = all.substr(b, e - b);
    if (!line.empty() && line.back() == u'\r') line.pop_back();
    lines.push_back(std::move(line));
    b = e + 1;
  }
  std::vector<Pair> pairs;
  for (std::size_t i = 0; i < lines.size(); i += 2) {
    auto code = text::tryParseInt(lines[i]);
    if (!code) fail(i + 1, "group code expected");
    if (i + 1 >= lines.size()) fail(i + 1, "value missing at end of file");
    pairs.push_back({*code, lines[i + 1], i + 1});
  }
  return pairs;
}

bool isRealCode(int c) { return (c >= 10 && c <= 59) || (c >= 110 && c <= 149) || (c >= 210 && c <= 239); }
bool isIntCode(int c) { return (c >= 60 && c <= 99) || (c >= 170 && c <= 179) || (c >= 270 && c <= 289); }

class Parser {
 public:
  explicit Parser(std::vector<Pair> p) : p_(std::move(p)) {}

  DxfContent run() {
    for (;;) {
      const Pair& start = next();
      if (start.code != 0) fail(start.line, "group 0 expected");
      if (start.value == u"EOF") break;
      if (start.value != u"SECTION") fail(start.line, "SECTION expected");
      const Pair& name = next();
      if (name.code != 2) fail(name.line, "section name expected");
      if (name.value == u"ENTITIES") entities();
      else if (name.value == u"TABLES") tables();
      else skipSection();
    }
    if (polyline_) fail(p_.back().line, "POLYLINE without SEQEND");
    return std::move(out_);
  }

 private:
  const Pair& next() {
    if (i_ >= p_.size()) fail(p_.empty() ? 1 : p_.back().line + 1, "unexpected end of file");
    const Pair& p = p_[i_++];
    if (isRealCode(p.code) && !text::tryParseNumber(p.value)) fail(p.line + 1, "number expected");
    if (isIntCode(p.code) && !text::tryParseInt(p.value)) fail(p.line + 1, "integer expected");
    return p;
  }
  const Pair& peek() {
    if (i_ >= p_.size()) fail(p_.empty() ? 1 : p_.back().line + 1, "unexpected end of file");
    return p_[i_];
  }
  // The group pairs of one record, up to the next group 0.
  std::vector<Pair> record() {
    std::vector<Pair> r;
    while (peek().code != 0) r.push_back(next());
    return r;
  }

  void skipSection() {
    for (;;) {
      const Pair& p = next();
      if (p.code == 0 && p.value == u"ENDSEC") return;
      if (p.code == 0 && p.value == u"EOF") fail(p.line, "ENDSEC expected");
    }
  }

  void tables() {
    for (;;) {
      const Pair& p = next();
      if (p.code != 0) fail(p.line, "group 0 expected");
      if (p.value == u"ENDSEC") return;
      if (p.value == u"EOF") fail(p.line, "ENDSEC expected");
      auto fields = record();
      if (p.value == u"LAYER") {
        Layer l;
        for (const auto& f : fields) {
          if (f.code == 2) l.name = f.value;
          if (f.code == 62) l.color = std::abs(*text::tryParseInt(f.value));
        }
        if (l.name.empty()) fail(p.line, "layer name missing");
        out_.layers.push_back(l);
      }
    }
  }

  void entities() {
    for (;;) {
      const Pair& p = next();
      if (p.code != 0) fail(p.line, "group 0 expected");
      if (p.value == u"ENDSEC") return;
      if (p.value == u"EOF") fail(p.line, "ENDSEC expected");
      entity(p, record());
    }
  }

  static double num(const Pair& f) { return *text::tryParseNumber(f.value); }
  static int integer(const Pair& f) { return *text::tryParseInt(f.value); }

  // Fields every entity shares.
  static void common(Entity& e, const Pair& f) {
    switch (f.code) {
      case 8: e.layer = f.value; break;
      case 62: e.color = integer(f); break;
      case 39: e.thickness = num(f); break;
      case 210: e.normal.x = num(f); break;
      case 220: e.normal.y = num(f); break;
      case 230: e.normal.z = num(f); break;
      default: break;
    }
  }

  void entity(const Pair& head, const std::vector<Pair>& fields) {
    const text::u16& type = head.value;
    if (polyline_ && type != u"VERTEX" && type != u"SEQEND") fail(head.line, "SEQEND expected");
    Entity e;
    Vec3 p10, p11;
    bool has11 = false;
    for (const auto& f : fields) {
      common(e, f);
      switch (f.code) {
        case 10: p10.x = num(f); break;
        case 20: p10.y = num(f); break;
        case 30: p10.z = num(f); break;
        case 11: p11.x = num(f); has11 = true; break;
        case 21: p11.y = num(f); break;
        case 31: p11.z = num(f); break;
        default: break;
      }
    }
    if (type == u"LINE") {
      e.kind = EntityKind::Line;
      e.start = p10;
      e.end = p11;
      out_.entities.push_back(e);
    } else if (type == u"POINT") {
      e.kind = EntityKind::Point;
      e.start = p10;
      out_.entities.push_back(e);
    } else if (type == u"CIRCLE" || type == u"ARC") {
      e.kind = type == u"ARC" ? EntityKind::Arc : EntityKind::Circle;
      e.center = p10;
      for (const auto& f : fields) {
        if (f.code == 40) e.radius = num(f);
        if (f.code == 50) e.startAngle = num(f) * std::numbers::pi / 180;
        if (f.code == 51) e.endAngle = num(f) * std::numbers::pi / 180;
      }
      out_.entities.push_back(e);
    } else if (type == u"TEXT") {
      text(e, fields, p10, p11, has11);
    } else if (type == u"POLYLINE") {
      e.kind = EntityKind::Polyline2d;
      int flags = 0;
      for (const auto& f : fields)
        if (f.code == 70) flags = integer(f);
      if (flags & 8) e.kind = EntityKind::Polyline3d;
      e.closed = (flags & 1) != 0;
      e.elevation = e.kind == EntityKind::Polyline3d ? 0 : p10.z;
      polyline_ = e;
    } else if (type == u"VERTEX") {
      if (!polyline_) fail(head.line, "VERTEX outside a POLYLINE");
      double bulge = 0;
      for (const auto& f : fields)
        if (f.code == 42) bulge = num(f);
      if (polyline_->kind != EntityKind::Polyline3d) p10.z = polyline_->elevation;
      polyline_->vertices.push_back(p10);
      polyline_->bulges.push_back(bulge);
    } else if (type == u"SEQEND") {
      if (!polyline_) fail(head.line, "SEQEND outside a POLYLINE");
      out_.entities.push_back(*polyline_);
      polyline_.reset();
    } else {
      ++out_.skipped;
    }
  }

  void text(Entity& e, const std::vector<Pair>& fields, Vec3 p10, Vec3 p11, bool has11) {
    e.kind = EntityKind::Text;
    for (const auto& f : fields) {
      switch (f.code) {
        case 1: e.textString = f.value; break;
        case 40: e.height = num(f); break;
        case 41: e.widthFactor = num(f); break;
        case 50: e.rotation = num(f) * std::numbers::pi / 180; break;
        case 72: e.hAlign = integer(f); break;
        case 73: e.vAlign = integer(f); break;
        default: break;
      }
    }
    if (e.hAlign < 0 || e.hAlign > 5 || e.vAlign < 0 || e.vAlign > 3) fail(fields.front().line, "invalid justification");
    e.insertion = p10;
    if (e.hAlign != kLeft || e.vAlign != kBaseline) {
      // The CAD places a justified text by its second point and works out
      // the first; aligned and fit texts keep both.
      e.alignment = has11 ? p11 : p10;
      layoutText(e);
    }
    out_.entities.push_back(e);
  }

  std::vector<Pair> p_;
  std::size_t i_ = 0;
  DxfContent out_;
  std::optional<Entity> polyline_;
};

}  // namespace

DxfContent readDxf(std::string_view bytes, const text::AnsiCodec& codec) {
  return Parser(readPairs(bytes, codec)).run();
}

}  // namespace surva::sim
