#include "points/working_array.h"

#include <algorithm>
#include <utility>

#include "points/list_columns.h"
#include "points/point_math.h"
#include "text/number.h"
#include "ui/text_grid.h"

namespace surva::points {

GroupPrefix InitialGroupPrefix(text::u16view separator, text::u16view firstName) {
  if (separator.empty()) return {};
  const auto pos = firstName.find(separator.front());
  if (pos == text::u16view::npos) return {};
  if (pos == 0) return {u"", 1};
  return {text::u16(firstName.substr(0, pos)), static_cast<int>(pos)};
}

TPlotDataArray FillWorkingArray(const ui::TextGrid& grid, const FillOptions& options) {
  GroupPrefix current;
  if (options.plineChecked) current = InitialGroupPrefix(options.separator, grid.cell(kNameCol, 1));
  const auto length = static_cast<std::size_t>(current.length);

  TPlotDataArray points(static_cast<std::size_t>(std::max(0, grid.rowCount() - 1)));
  std::int32_t group = 0;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const int r = static_cast<int>(k) + 1;
    TPlotData& p = points[k];
    p.name = grid.cell(kNameCol, r);
    const text::u16view candidate = text::u16view(p.name).substr(0, length);
    // An empty name stays in the current group.
    if (length > 0 && !current.prefix.empty() && !candidate.empty() && candidate != current.prefix) {
      current.prefix = text::u16(candidate);
      ++group;
    }
    p.grp = group;
    p.idx = static_cast<std::int32_t>(k);
    p.pt.x = text::parseNumber(grid.cell(kXCol, r));
    p.pt.y = text::parseNumber(grid.cell(kYCol, r));
    p.pt.z = options.zFromList ? text::parseNumber(grid.cell(kZCol, r)) : 0.0;
  }
  return points;
}

void OrderByNearest(TPlotDataArray& points) {
  const std::size_t n = points.size();
  if (n <= 3) return;
  // Carried from one position to the next, as the reordering always did.
  double best = 0.0;
  for (std::size_t i = 2; i + 2 <= n; ++i) {
    for (std::size_t j = i + 1; j < n; ++j) {
      if (points[j].grp != points[i].grp) continue;
      if (j == i + 1) {
        best = PlanarDistance(points[i].pt, points[j].pt);
        continue;
      }
      const double d = PlanarDistance(points[i].pt, points[j].pt);
      if (best > d) {
        best = d;
        std::swap(points[j], points[i + 1]);
      }
    }
  }
}

TPlotDataArray& WorkingArray() {
  static TPlotDataArray array;
  return array;
}

}  // namespace surva::points
