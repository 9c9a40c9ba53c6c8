#pragma once
// The main list rebuilt from the harvest store: polyline vertices, points,
// circle centres and text anchors, each kind when asked, rounded, in the
// user frame when asked, rows named after the nearest text when asked.
#include "cad/harvest_store.h"
#include "platform/services.h"
#include "ui/text_grid.h"

namespace surva::cad {

struct ListingOptions {
  bool vertices = false;  // "POLYLINE"
  bool points = false;    // "POINT"
  bool circles = false;   // "CIRCLE"
  bool texts = false;     // "TEXT"
  bool ucs = false;       // coordinates in the store's user frame
  int decimals = 3;
  // Station-name search: the nearest text within `range` names a row;
  // with `layerFilter` and a non-empty `layer`, only texts on that layer
  // (compared upper-cased).
  bool nameSearch = false;
  double range = 0;
  bool layerFilter = false;
  text::u16 layer;
};

// The search range: the number in `rangeText` (0 when it is not one) times
// the drawing's DIMSCALE when `useDimscale`. The target check runs first in
// any case (it reports a ProgID that names no class); without a running CAD
// the factor is 1.
double StationSearchRange(const platform::Services& services, text::u16view targetProgId, text::u16view rangeText,
                          bool useDimscale);

// Writes the rows, names them and numbers them 1, 2, ... (sorting and
// tidying are the caller's next steps). An empty listing leaves one empty
// row numbered 1. The current row is the last row written.
void FillListFromStore(const HarvestStore& store, const ListingOptions& options, ui::TextGrid& list);

// The station-name search alone: every data row with X and Y takes the
// string of the nearest qualifying text; texts whose string holds a comma
// never name a row. Rows no text qualifies for keep their name.
void NameRowsAfterNearestTexts(const HarvestStore& store, const ListingOptions& options, ui::TextGrid& list);

}  // namespace surva::cad
