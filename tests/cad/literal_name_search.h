#pragma once
// The station-name search word for word: every data row compared with
// every text, in order. The indexed search must name every row exactly as
// this does; the tests and the benchmark compare against it.
#include "cad/harvest_store.h"
#include "cad/list_from_store.h"
#include "points/point_math.h"
#include "text/number.h"
#include "ui/text_grid.h"

namespace surva::literal {

inline void nameRowsAfterNearestTexts(const cad::HarvestStore& store, const cad::ListingOptions& o,
                                      ui::TextGrid& list) {
  if (!o.nameSearch || store.texts.empty() || list.rowCount() < 2) return;
  for (int i = 1; i < list.rowCount(); ++i) {
    if (list.cell(1, i).empty() || list.cell(2, i).empty()) continue;
    const points::TAcadPoint p{text::parseNumber(list.cell(1, i)), text::parseNumber(list.cell(2, i)), 0};
    double best = o.range * 100;
    for (const cad::TTextBlk& t : store.texts) {
      if (o.layerFilter && !o.layer.empty() && text::upperAscii(t.layer) != text::upperAscii(o.layer)) continue;
      points::TAcadPoint anchor = cad::TextAnchor(t);
      if (o.ucs) anchor = points::WorldToUcs(anchor, store.ucs.xDir, store.ucs.yDir, store.ucs.origin);
      if (points::WithinBox(p, anchor, o.range) && points::PlanarDistance(p, anchor) < best) {
        if (t.str.find(u',') != text::u16::npos) continue;
        best = points::PlanarDistance(p, anchor);
        list.setCell(0, i, t.str);
      }
    }
  }
}

}  // namespace surva::literal
