#include "cad/read_selection.h"

#include "cad/var_to_point.h"
#include "text/number.h"

namespace surva::cad {

using platform::Object;
using platform::Variant;

namespace {

constexpr double kDegreesPerRadian = 57.29577951308232;

TAcadPoint pointOf(Object& e, const char16_t* member) { return VarToAcadPoint(e.get(member)); }
double numberOf(Object& e, const char16_t* member) { return e.get(member).toDouble(); }
std::int16_t smallOf(Object& e, const char16_t* member) { return static_cast<std::int16_t>(e.get(member).toInt()); }
std::int16_t closedFlag(Object& e) { return e.get(u"Closed").toBool() ? 1 : 0; }

void readLine(Object& e, HarvestStore& s) {
  TAcadLineBlk r;
  r.st = pointOf(e, u"StartPoint");
  r.ed = pointOf(e, u"endpoint");
  r.atsumi = numberOf(e, u"Thickness");
  r.code210 = pointOf(e, u"Normal");
  s.lines.push_back(std::move(r));
}

void readCircle(Object& e, HarvestStore& s) {
  TCircleBlk r;
  r.center = pointOf(e, u"center");
  r.hankei = numberOf(e, u"Radius");
  r.atsumi = numberOf(e, u"Thickness");
  r.code210 = pointOf(e, u"Normal");
  s.circles.push_back(std::move(r));
}

void readArc(Object& e, HarvestStore& s) {
  TArcBlk r;
  r.center = pointOf(e, u"center");
  r.hankei = numberOf(e, u"Radius");
  r.atsumi = numberOf(e, u"Thickness");
  r.code210 = pointOf(e, u"Normal");
  r.stdeg = numberOf(e, u"StartAngle") * kDegreesPerRadian;
  r.eddeg = numberOf(e, u"EndAngle") * kDegreesPerRadian;
  s.arcs.push_back(std::move(r));
}

void readEllipse(Object& e, HarvestStore& s) {
  TEllipseBlk r;
  r.center = pointOf(e, u"center");
  r.henpei = numberOf(e, u"RadiusRatio");
  r.endpoint = pointOf(e, u"endpoint");
  r.code210 = pointOf(e, u"Normal");
  r.kaisi = numberOf(e, u"StartAngle") * kDegreesPerRadian;
  r.owari = numberOf(e, u"EndAngle") * kDegreesPerRadian;
  s.ellipses.push_back(std::move(r));
}

enum class PolylineKind { Light, TwoD, ThreeD };

// One vertex record per whole vertex of Coordinates (k doubles each: an odd
// tail is left out); z from the elevation except for 3D polylines, bulges
// from GetBulge except for 3D polylines (0).
void readVertices(Object& e, PolylineKind kind, const TLwpBlk& header, HarvestStore& s) {
  const std::vector<double> c = e.get(u"Coordinates").toDoubles();
  const std::size_t k = kind == PolylineKind::Light ? 2 : 3;
  const std::size_t n = c.size() / k;
  for (std::size_t j = 0; j < n; ++j) {
    TLwpEle v;
    v.hand = header.hand;
    v.code10.x = c[k * j];
    v.code10.y = c[k * j + 1];
    if (kind == PolylineKind::ThreeD) {
      v.code10.z = c[3 * j + 2];
    } else {
      v.code10.z = header.code38;
      v.code42 = e.call(u"GetBulge", {Variant(static_cast<std::int32_t>(j))}).toDouble();
    }
    s.vertices.push_back(std::move(v));
  }
}

void readPolyline(Object& e, PolylineKind kind, HarvestStore& s) {
  TLwpBlk r;
  switch (kind) {
    case PolylineKind::Light:
      r.code210 = pointOf(e, u"Normal");
      r.hand = e.get(u"Handle").toText();
      r.code38 = numberOf(e, u"Elevation");
      r.code39 = r.atsumi = numberOf(e, u"Thickness");
      r.code70 = closedFlag(e);
      break;
    case PolylineKind::TwoD:
      r.hand = e.get(u"Handle").toText();
      r.code210.x = e.get(u"Normal", {Variant(std::int32_t(0))}).toDouble();
      r.code210.y = e.get(u"Normal", {Variant(std::int32_t(1))}).toDouble();
      r.code210.z = e.get(u"Normal", {Variant(std::int32_t(2))}).toDouble();
      r.code70 = closedFlag(e);
      r.code38 = numberOf(e, u"Elevation");
      r.code39 = r.atumi = numberOf(e, u"Thickness");
      break;
    case PolylineKind::ThreeD:
      r.hand = e.get(u"Handle").toText();
      r.code210 = {0, 0, 1};
      r.code70 = closedFlag(e);
      break;
  }
  // The header goes in first, so a failure among the vertices still leaves
  // the polyline counted with the vertices read so far.
  s.polylines.push_back(std::move(r));
  readVertices(e, kind, s.polylines.back(), s);
}

void readText(Object& e, HarvestStore& s) {
  TTextBlk r;
  r.pt10 = pointOf(e, u"InsertionPoint");
  r.pt11 = pointOf(e, u"TextAlignmentPoint");
  r.layer = e.get(u"Layer").toText();
  r.str = e.get(u"TextString").toText();
  r.color = smallOf(e, u"color");
  r.code40 = numberOf(e, u"Height");
  r.code41 = numberOf(e, u"ScaleFactor");
  r.code50 = numberOf(e, u"Rotation");
  r.code72 = smallOf(e, u"HorizontalAlignment");
  r.code73 = smallOf(e, u"VerticalAlignment");
  r.code210 = {0, 0, 1};
  s.texts.push_back(std::move(r));
}

void readPoint(Object& e, HarvestStore& s) {
  TPointEnt r;
  r.pt = pointOf(e, u"Coordinates");
  r.layer = e.get(u"Layer").toText();
  s.points.push_back(std::move(r));
}

void readEntity(Object& e, HarvestStore& s) {
  const text::u16 kind = e.get(u"EntityName").toText();
  if (kind == u"AcDbLine") readLine(e, s);
  else if (kind == u"AcDbCircle") readCircle(e, s);
  else if (kind == u"AcDbArc") readArc(e, s);
  else if (kind == u"AcDbEllipse") readEllipse(e, s);
  else if (kind == u"AcDbPolyline") readPolyline(e, PolylineKind::Light, s);
  else if (kind == u"AcDb2dPolyline") readPolyline(e, PolylineKind::TwoD, s);
  else if (kind == u"AcDb3dPolyline") readPolyline(e, PolylineKind::ThreeD, s);
  else if (kind == u"AcDbText") readText(e, s);
  else if (kind == u"AcDbPoint") readPoint(e, s);
}

}  // namespace

int ReadSelection(Object& selectionSet, HarvestMode mode, HarvestProgress& progress, HarvestStore& store) {
  store.clear();
  const std::int32_t n = selectionSet.get(u"Count").toInt();
  progress.setMax(n);
  progress.setPosition(0);
  const text::u16 ofN = u" / " + text::intToText(n);
  for (std::int32_t i = 0; i < n; ++i) {
    if (mode == HarvestMode::MainList) progress.setStatus(text::intToText(i + 1) + ofN);
    progress.setPosition(i + 1);
    progress.processMessages();
    const platform::ObjectPtr entity = selectionSet.get(u"Item", {Variant(i)}).toObject();
    readEntity(*entity, store);
  }
  progress.setPosition(0);
  return static_cast<int>(store.countedEntities());
}

void ReadUcsFrame(Object& document, UcsFrame& frame) {
  auto variable = [&](const char16_t* name) { return VarToAcadPoint(document.call(u"GetVariable", {Variant(name)})); };
  frame.xDir = variable(u"UCSXDIR");
  frame.yDir = variable(u"UCSYDIR");
  frame.origin = variable(u"UCSORG");
}

}  // namespace surva::cad
