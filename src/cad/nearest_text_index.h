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
  NearestTextIndex(std::vector<points::TAcadPoint> anchors, double range);
  // Position of the winning anchor in the given order, -1 when none counts.
  std::int64_t nearest(const points::TAcadPoint& p) const;

 private:
  std::vector<points::TAcadPoint> anchors_;
  double range_;
  // Anchors sorted by x (positions into anchors_ and their x values), cut
  // into strips about `range` wide; inside each strip the same anchors
  // sorted by y. A strip is a partition only: the exact box test is applied
  // to every anchor a query looks at.
  std::vector<double> xs_;
  std::vector<std::uint32_t> stripStart_;  // first sorted-x position of each strip
  std::vector<std::uint32_t> byY_;         // strip by strip, anchors sorted by y
};

}  // namespace surva::cad
