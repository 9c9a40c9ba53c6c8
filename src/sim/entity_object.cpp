// One entity of the drawing as the automation model shows it. Each kind
// offers the members its CAD class has; others are unknown names.
#include <cmath>
#include <numbers>

#include "sim/objects.h"
#include "sim/sim_object.h"
#include "sim/text_layout.h"

namespace surva::sim {

using platform::Variant;
using platform::VariantArray;
using K = EntityKind;

namespace {

bool hasNormal(K k) { return k != K::Polyline3d; }
bool hasThickness(K k) {
  return k == K::Line || k == K::Circle || k == K::Arc || k == K::LwPolyline || k == K::Polyline2d || k == K::Text ||
         k == K::Point;
}
bool isPolyline(K k) { return k == K::LwPolyline || k == K::Polyline2d || k == K::Polyline3d; }
bool isTextual(K k) { return k == K::Text || k == K::MText; }

Vec3 onEllipse(const Entity& e, double angle) {
  Vec3 minor = rotateZ(e.majorAxis, std::numbers::pi / 2) * e.radiusRatio;
  return e.center + e.majorAxis * std::cos(angle) + minor * std::sin(angle);
}

Vec3 onArc(const Entity& e, double angle) {
  return e.center + Vec3{e.radius * std::cos(angle), e.radius * std::sin(angle), 0};
}

class EntityObject : public SimObject {
 public:
  EntityObject(std::shared_ptr<Cad> cad, text::u16 handle) : SimObject(std::move(cad), u"Entity"), handle_(std::move(handle)) {}

  // Each entity class has its own type, as in a CAD's type library.
  text::u16 typeName() override {
    const Entity* e = cad().drawing().find(handle_);
    return e ? entityClassName(e->kind) : u"Entity";
  }

 protected:
  Entity& entity() {
    Entity* e = cad().drawing().find(handle_);
    if (!e) invalidArgument(u"オブジェクトは削除されています。");
    return *e;
  }

  Variant invoke(const text::u16& m, const VariantArray& args) override {
    Entity& e = entity();
    K k = e.kind;
    if (m == u"ENTITYNAME" || m == u"OBJECTNAME") return entityClassName(k);
    if (m == u"HANDLE") return e.handle;
    if (m == u"LAYER") return e.layer;
    if (m == u"COLOR") return std::int32_t(e.color);
    if (m == u"LINETYPE") return u"ByLayer";
    if (m == u"UPDATE") return {};
    if (m == u"DELETE") {
      cad().drawing().erase(handle_);
      return {};
    }
    if (m == u"NORMAL" && hasNormal(k)) {
      if (args.empty()) return pointValue(e.normal);
      double n[3] = {e.normal.x, e.normal.y, e.normal.z};
      return n[indexArg(arg(args, 0), 3)];
    }
    if (m == u"THICKNESS" && hasThickness(k)) return e.thickness;
    switch (k) {
      case K::Line:
        if (m == u"STARTPOINT") return pointValue(e.start);
        if (m == u"ENDPOINT") return pointValue(e.end);
        if (m == u"LENGTH") return std::hypot(e.end.x - e.start.x, e.end.y - e.start.y, e.end.z - e.start.z);
        break;
      case K::Circle:
      case K::Arc:
        if (m == u"CENTER") return pointValue(e.center);
        if (m == u"RADIUS") return e.radius;
        if (k == K::Arc) {
          if (m == u"STARTANGLE") return e.startAngle;
          if (m == u"ENDANGLE") return e.endAngle;
          if (m == u"STARTPOINT") return pointValue(onArc(e, e.startAngle));
          if (m == u"ENDPOINT") return pointValue(onArc(e, e.endAngle));
        }
        break;
      case K::Ellipse:
        if (m == u"CENTER") return pointValue(e.center);
        if (m == u"MAJORAXIS") return pointValue(e.majorAxis);
        if (m == u"RADIUSRATIO") return e.radiusRatio;
        if (m == u"STARTANGLE") return e.startAngle;
        if (m == u"ENDANGLE") return e.endAngle;
        if (m == u"STARTPOINT") return pointValue(onEllipse(e, e.startAngle));
        if (m == u"ENDPOINT") return pointValue(onEllipse(e, e.endAngle));
        break;
      case K::Point:
        if (m == u"COORDINATES") return pointValue(e.start);
        break;
      case K::Text:
      case K::MText:
      case K::BlockRef:
        if (m == u"INSERTIONPOINT") return pointValue(e.insertion);
        if (m == u"ROTATION") return e.rotation;
        break;
      default: break;
    }
    if (isPolyline(k)) {
      if (m == u"CLOSED") return e.closed;
      if (m == u"COORDINATES") {
        std::vector<double> c;
        for (Vec3 v : e.vertices) {
          c.push_back(v.x);
          c.push_back(v.y);
          if (k != K::LwPolyline) c.push_back(k == K::Polyline3d ? v.z : e.elevation);
        }
        return c;
      }
      if (k != K::Polyline3d) {
        if (m == u"ELEVATION") return e.elevation;
        if (m == u"GETBULGE") return e.bulges[indexArg(arg(args, 0), e.vertices.size())];
      }
    }
    if (isTextual(k)) {
      if (m == u"TEXTSTRING") return e.textString;
      if (m == u"HEIGHT") return e.height;
      if (m == u"STYLENAME") return u"Standard";
      if (k == K::MText && m == u"WIDTH") return approximateTextWidth(e.textString, e.height, 1);
      if (k == K::Text) {
        if (m == u"TEXTALIGNMENTPOINT") return pointValue(e.alignment);
        if (m == u"SCALEFACTOR") return e.widthFactor;
        if (m == u"HORIZONTALALIGNMENT") return std::int32_t(e.hAlign);
        if (m == u"VERTICALALIGNMENT") return std::int32_t(e.vAlign);
        if (m == u"OBLIQUEANGLE") return 0.0;
      }
    }
    if (k == K::BlockRef) {
      if (m == u"NAME") return e.blockName;
      if (m == u"XSCALEFACTOR") return e.scale.x;
      if (m == u"YSCALEFACTOR") return e.scale.y;
      if (m == u"ZSCALEFACTOR") return e.scale.z;
    }
    unknownMember();
  }

  void assign(const text::u16& m, const Variant& given) override {
    Entity& e = entity();
    const Variant& v = given.deref();
    K k = e.kind;
    if (m == u"LAYER") {
      const Layer* l = cad().drawing().findLayer(v.toText());
      if (!l) invalidArgument(u"キーが見つかりません。");
      e.layer = l->name;
    } else if (m == u"COLOR") {
      e.color = v.toInt();
    } else if (m == u"THICKNESS" && hasThickness(k)) {
      e.thickness = v.toDouble();
    } else if (k == K::Line && m == u"STARTPOINT") {
      e.start = pointArg(v);
    } else if (k == K::Line && m == u"ENDPOINT") {
      e.end = pointArg(v);
    } else if ((k == K::Circle || k == K::Arc || k == K::Ellipse) && m == u"CENTER") {
      e.center = pointArg(v);
    } else if ((k == K::Circle || k == K::Arc) && m == u"RADIUS") {
      if (v.toDouble() <= 0) invalidArgument();
      e.radius = v.toDouble();
    } else if (isPolyline(k) && m == u"CLOSED") {
      e.closed = v.toBool();
    } else if ((k == K::LwPolyline || k == K::Polyline2d) && m == u"ELEVATION") {
      e.elevation = v.toDouble();
      for (auto& p : e.vertices) p.z = e.elevation;
    } else if (isTextual(k) && m == u"TEXTSTRING") {
      e.textString = v.toText();
      layoutText(e);
    } else if (isTextual(k) && m == u"HEIGHT") {
      if (v.toDouble() <= 0) invalidArgument();
      e.height = v.toDouble();
      layoutText(e);
    } else if ((isTextual(k) || k == K::BlockRef) && m == u"ROTATION") {
      e.rotation = v.toDouble();
      layoutText(e);
    } else if ((isTextual(k) || k == K::BlockRef) && m == u"INSERTIONPOINT") {
      Vec3 p = pointArg(v);
      e.alignment = e.alignment + (p - e.insertion);
      e.insertion = p;
    } else if (k == K::Text && m == u"SCALEFACTOR") {
      e.widthFactor = v.toDouble();
      layoutText(e);
    } else if (k == K::Text && m == u"TEXTALIGNMENTPOINT") {
      e.alignment = pointArg(v);
      layoutText(e);
    } else if (k == K::Text && (m == u"HORIZONTALALIGNMENT" || m == u"VERTICALALIGNMENT")) {
      int a = v.toInt();
      if (a < 0 || a > (m == u"VERTICALALIGNMENT" ? 3 : 5)) invalidArgument();
      // A text leaving left/baseline keeps its place: the old insertion
      // point becomes the alignment point.
      bool wasPlain = e.hAlign == kLeft && e.vAlign == kBaseline;
      (m == u"HORIZONTALALIGNMENT" ? e.hAlign : e.vAlign) = a;
      if (wasPlain) e.alignment = e.insertion;
      if (e.hAlign == kLeft && e.vAlign == kBaseline) e.alignment = {};
      layoutText(e);
    } else {
      unknownMember();
    }
  }

 private:
  text::u16 handle_;
};

}  // namespace

platform::ObjectPtr makeEntityObject(std::shared_ptr<Cad> cad, text::u16 handle) {
  return std::make_shared<EntityObject>(std::move(cad), std::move(handle));
}

}  // namespace surva::sim
