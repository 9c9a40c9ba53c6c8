#pragma once
// The station-name search's question, "which text is nearest to this point",
// answered from an index over the text anchors instead of by comparing the
// point with every text. The answer is exactly that of the comparison with
// every text in order: only anchors strictly inside the square of
// half-width `range` around the point count (|dx| < range and |dy| < range,
// as computed in doubles), and only when nearer than range x 100; of
// anchors at the same distance the earliest wins.
#include <cstdint>
#include <vector>

#include "points/acad_point.h"

namespace surva::cad {

class NearestTextIndex {
 public:
  NearestTextIndex(const std::vector<points::TAcadPoint>& anchors, double range);
  // Position of the winning anchor in the given order, -1 when none counts.
  std::int64_t nearest(const points::TAcadPoint& p) const;

 private:
  // An anchor with its position in the given order, kept beside its
  // neighbours so that a query reads one stretch of memory.
  struct Entry {
    double x;
    double y;
    std::uint32_t index;
  };
  double range_;
  // Anchors sorted by x, cut into strips about `range` wide; inside each
  // strip sorted by y. A strip is a partition only: the exact box test is
  // applied to every anchor a query looks at.
  std::vector<Entry> entries_;
  std::vector<std::uint32_t> stripStart_;  // first entry of each strip, then the end
  std::vector<double> stripFirstX_;        // each strip's smallest x
  std::vector<double> stripLastX_;         // and its largest
};

}  // namespace surva::cad
