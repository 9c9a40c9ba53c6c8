#pragma once
// The working array: the main list copied into point records for a plot,
// grouped by station-name prefix and optionally reordered by proximity.
#include "points/plot_data.h"
#include "text/u16.h"

namespace surva::ui {
class TextGrid;
}

namespace surva::points {

struct GroupPrefix {
  text::u16 prefix;  // empty: grouping is off
  int length = 0;    // names are compared on this many leading characters
  bool operator==(const GroupPrefix&) const = default;
};

// The prefix is what stands before the first separator in the first name.
// A first name that begins with the separator gives no prefix (length 1);
// an absent separator gives no prefix (length 0).
GroupPrefix InitialGroupPrefix(text::u16view separator, text::u16view firstName);

// What the plot reads from the main window besides the list.
struct FillOptions {
  bool plineChecked = false;  // "PLINE": group the points into polylines
  text::u16 separator;        // the text of "区切文字"; its first character counts
  bool zFromList = true;      // false for "CADへ (Z=0)"
};

// One record per data row of the grid (empty rows too), in list order.
// Groups are runs: a prefix that comes back after another starts a new group.
TPlotDataArray FillWorkingArray(const ui::TextGrid& grid, const FillOptions& options);

// From the fourth point on, each point is followed by the nearest later point
// of its group (X-Y distance); of equally near points the first one stays.
void OrderByNearest(TPlotDataArray& points);

// The program-wide array a plot fills, reads and empties.
TPlotDataArray& WorkingArray();

}  // namespace surva::points
