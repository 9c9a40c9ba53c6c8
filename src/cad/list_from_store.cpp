#include "cad/list_from_store.h"

#include "cad/cad_session.h"
#include "cad/dimscale_factor.h"
#include "cad/nearest_text_index.h"
#include "cad/target_check.h"
#include "points/list_columns.h"
#include "points/point_math.h"
#include "text/number.h"
#include "text/round_digits.h"

namespace surva::cad {

namespace {

TAcadPoint inFrame(const TAcadPoint& p, const ListingOptions& o, const UcsFrame& f) {
  return o.ucs ? points::WorldToUcs(p, f.xDir, f.yDir, f.origin) : p;
}

class RowWriter {
 public:
  RowWriter(ui::TextGrid& list, const ListingOptions& o, const UcsFrame& frame) : list_(list), o_(o), frame_(frame) {}
  void add(const text::u16& name, const TAcadPoint& world) {
    ++rows_;
    if (list_.rowCount() <= rows_) list_.setRowCount(rows_ + 1);
    const TAcadPoint p = inFrame(world, o_, frame_);
    list_.setCell(points::kNameCol, rows_, name);
    list_.setCell(points::kXCol, rows_, number(p.x));
    list_.setCell(points::kYCol, rows_, number(p.y));
    list_.setCell(points::kZCol, rows_, number(p.z));
  }
  int rows() const { return rows_; }

 private:
  text::u16 number(double v) const { return text::formatFixed(text::RoundDigits(v, o_.decimals), o_.decimals); }
  ui::TextGrid& list_;
  const ListingOptions& o_;
  const UcsFrame& frame_;
  int rows_ = 0;
};

}  // namespace

double StationSearchRange(const platform::Services& services, text::u16view targetProgId, text::u16view rangeText,
                          bool useDimscale) {
  double factor = 1;
  if (CheckTargetProgID(*services.automation, *services.dialogs, targetProgId) && useDimscale) {
    const CadSession session = AttachCad(*services.automation, targetProgId);
    factor = DimscaleFactor(*session.document, true);
  }
  return text::parseNumber(rangeText) * factor;
}

void FillListFromStore(const HarvestStore& store, const ListingOptions& o, ui::TextGrid& list) {
  ui::TextGrid::BatchUpdate batch(list);
  for (int r = 1; r < list.rowCount(); ++r)
    for (int c = 0; c <= points::kPlotNoCol; ++c) list.setCell(c, r, {});
  list.setRowCount(2);

  RowWriter w(list, o, store.ucs);
  const text::u16 none;
  if (o.vertices)
    for (const TLwpEle& v : store.vertices) w.add(none, v.code10);
  if (o.points)
    for (const TPointEnt& p : store.points) w.add(none, p.pt);
  if (o.circles)
    for (const TCircleBlk& c : store.circles) w.add(none, c.center);
  if (o.texts)
    for (const TTextBlk& t : store.texts) w.add(t.str, TextAnchor(t));

  if (w.rows() == 0) {
    list.setRowCount(2);
    for (int c = 0; c <= points::kZCol; ++c) list.setCell(c, 1, {});
  } else {
    list.setRowCount(w.rows() + 1);
  }
  list.setCurrent(list.col(), std::max(1, w.rows()));
  NameRowsAfterNearestTexts(store, o, list);
  for (int r = 1; r < list.rowCount(); ++r) list.setCell(points::kPlotNoCol, r, text::intToText(r));
}

void NameRowsAfterNearestTexts(const HarvestStore& store, const ListingOptions& o, ui::TextGrid& list) {
  if (!o.nameSearch || store.texts.empty() || list.rowCount() < 2) return;
  const bool byLayer = o.layerFilter && !o.layer.empty();
  const text::u16 layer = text::upperAscii(o.layer);
  // Texts that could ever name a row, in store order, so that of two at the
  // same distance the earlier still wins.
  std::vector<TAcadPoint> anchors;
  std::vector<const text::u16*> names;
  for (const TTextBlk& t : store.texts) {
    if (byLayer && text::upperAscii(t.layer) != layer) continue;
    if (t.str.find(u',') != text::u16::npos) continue;
    anchors.push_back(inFrame(TextAnchor(t), o, store.ucs));
    names.push_back(&t.str);
  }
  const NearestTextIndex index(anchors, o.range);
  ui::TextGrid::BatchUpdate batch(list);
  for (int r = 1; r < list.rowCount(); ++r) {
    const text::u16& x = list.cell(points::kXCol, r);
    const text::u16& y = list.cell(points::kYCol, r);
    if (x.empty() || y.empty()) continue;
    const std::int64_t found = index.nearest({text::parseNumber(x), text::parseNumber(y), 0});
    if (found >= 0) list.setCell(points::kNameCol, r, *names[static_cast<std::size_t>(found)]);
  }
}

}  // namespace surva::cad
