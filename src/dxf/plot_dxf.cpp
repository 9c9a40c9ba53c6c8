#include "dxf/plot_dxf.h"

#include "dxf/dxf_format.h"
#include "dxf/dxf_records.h"
#include "dxf/layer_name.h"
#include "points/plot_range.h"
#include "text/number.h"

namespace surva::dxf {

namespace {

Xyz xyz(const points::TAcadPoint& p) { return {p.x, p.y, p.z}; }

// The PLOT No. cell of the point's own list row; 0 when it is not an integer.
std::int32_t plotNumber(const ui::TextGrid& list, const points::TPlotData& p) {
  return text::tryParseInt(list.cell(4, p.idx + 1)).value_or(0);
}

}  // namespace

PlotDxf buildPlotDxf(const std::vector<points::TPlotData>& working, const ui::TextGrid& list, const PlotSettings& s,
                     double factor, const text::AnsiCodec& codec) {
  PlotDxf out{DxfText(codec), 0};
  DxfText& dxf = out.dxf;
  // About 700 bytes per point with every kind on; one allocation up front.
  dxf.reserve(1024 + working.size() * 160 *
                         (1 + int(s.polylines) + int(s.points) + int(s.circles) + int(s.names) + 2 * int(s.coords)));
  WriteDxfHeader(dxf);
  writeEntitiesStart(dxf);

  if (s.polylines && working.size() > 1) {
    const std::string layer = dxf.encodeValue(layerOrDefault(s.polylineLayer));
    const int flag = (s.closed ? 1 : 0) + (s.threeD ? 8 : 0);
    writePolylineHead(dxf, layer, flag);
    for (std::size_t k = 0; k < working.size(); ++k) {
      if (k > 0 && working[k].grp != working[k - 1].grp) {
        writeSeqend(dxf);
        writePolylineHead(dxf, layer, flag);
      }
      writeVertex(dxf, layer, xyz(working[k].pt));
      ++out.records;
    }
    writeSeqend(dxf);
  }

  // The range is tested afresh for each kind, as the list's colouring does.
  auto selected = [&](const points::TPlotData& p) { return points::InPlotRange(s.plotRange, plotNumber(list, p)); };

  if (s.points) {
    const std::string layer = dxf.encodeValue(layerOrDefault(s.pointLayer));
    for (const auto& p : working)
      if (selected(p)) writePoint(dxf, layer, xyz(p.pt)), ++out.records;
  }
  if (s.circles) {
    const std::string layer = dxf.encodeValue(layerOrDefault(s.circleLayer));
    const double radius = text::parseNumber(s.radius) * factor;
    for (const auto& p : working)
      if (selected(p)) writeCircle(dxf, layer, xyz(p.pt), radius), ++out.records;
  }
  if (s.names) {
    const std::string layer = dxf.encodeValue(layerOrDefault(s.nameLayer));
    const double height = text::parseNumber(s.nameHeight) * factor;
    for (const auto& p : working) {
      if (!selected(p)) continue;
      const text::u16 name = text::trim(p.name);
      if (name.empty()) continue;
      writeNameText(dxf, layer, xyz(p.pt), height, dxf.encodeValue(name));
      ++out.records;
    }
  }
  if (s.coords) {
    const std::string layer = dxf.encodeValue(layerOrDefault(s.coordLayer));
    const double height = text::parseNumber(s.coordHeight) * factor;
    const int d = s.labelDecimals;
    for (const auto& p : working) {
      if (!selected(p)) continue;
      const std::string label = s.zOnly ? formatFixedAscii(p.pt.z, d)
                                        : formatFixedAscii(p.pt.x, d) + "," + formatFixedAscii(p.pt.y, d);
      writeCoordText(dxf, layer, xyz(p.pt), height, label);
      ++out.records;
    }
  }

  writeFileEnd(dxf);
  return out;
}

std::optional<text::u16> plotLayerProblem(const PlotSettings& s) {
  struct Box {
    bool used;
    const text::u16* name;
    text::u16view label;
  };
  const Box boxes[] = {{s.polylines, &s.polylineLayer, u"PLINE"}, {s.points, &s.pointLayer, u"POINT"},
                       {s.circles, &s.circleLayer, u"CIRCLE"},    {s.names, &s.nameLayer, u"測点名"},
                       {s.coords, &s.coordLayer, u"座標値"}};
  for (const Box& b : boxes)
    if (b.used && forbiddenLayerCharacter(*b.name)) return badLayerMessage(b.label, *b.name);
  return std::nullopt;
}

}  // namespace surva::dxf
