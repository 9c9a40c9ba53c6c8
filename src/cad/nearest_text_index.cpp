#include "cad/nearest_text_index.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "points/point_math.h"

namespace surva::cad {

using points::TAcadPoint;

// Why binary search gives the exact box: for a fixed x, fl(x - a) never
// increases as a grows, so "fl(x - a) < range" turns true once and stays
// true, and "fl(x - a) > -range" is true up to a point and false after it.
// Both ends of the box are therefore found by bisection with the very
// expressions the box test computes; anchors that are not finite can never
// be inside any box around a finite point and are left out.

NearestTextIndex::NearestTextIndex(std::vector<TAcadPoint> anchors, double range)
    : anchors_(std::move(anchors)), range_(range) {
  if (!(range_ > 0)) return;  // no anchor is ever inside the box
  std::vector<std::uint32_t> byX;
  for (std::uint32_t i = 0; i < anchors_.size(); ++i)
    if (std::isfinite(anchors_[i].x) && std::isfinite(anchors_[i].y)) byX.push_back(i);
  std::stable_sort(byX.begin(), byX.end(),
                   [this](std::uint32_t a, std::uint32_t b) { return anchors_[a].x < anchors_[b].x; });
  xs_.reserve(byX.size());
  for (std::uint32_t i : byX) xs_.push_back(anchors_[i].x);

  double stripX = 0;
  for (std::uint32_t pos = 0; pos < xs_.size(); ++pos) {
    if (pos == 0 || xs_[pos] >= stripX + range_) {
      stripStart_.push_back(pos);
      stripX = xs_[pos];
    }
  }
  byY_ = byX;
  for (std::size_t s = 0; s < stripStart_.size(); ++s) {
    auto first = byY_.begin() + stripStart_[s];
    auto last = s + 1 < stripStart_.size() ? byY_.begin() + stripStart_[s + 1] : byY_.end();
    std::stable_sort(first, last, [this](std::uint32_t a, std::uint32_t b) { return anchors_[a].y < anchors_[b].y; });
  }
}

std::int64_t NearestTextIndex::nearest(const TAcadPoint& p) const {
  if (!(range_ > 0) || xs_.empty()) return -1;
  // |inf - a| and NaN are never below the range: no box around such a point.
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return -1;
  const double r = range_;
  const auto lo = static_cast<std::uint32_t>(
      std::partition_point(xs_.begin(), xs_.end(), [&](double ax) { return !(p.x - ax < r); }) - xs_.begin());
  const auto hi = static_cast<std::uint32_t>(
      std::partition_point(xs_.begin(), xs_.end(), [&](double ax) { return p.x - ax > -r; }) - xs_.begin());
  if (lo >= hi) return -1;

  const double limit = r * 100;
  double best = 0;
  std::int64_t found = -1;
  auto s = static_cast<std::size_t>(std::upper_bound(stripStart_.begin(), stripStart_.end(), lo) - stripStart_.begin()) - 1;
  for (; s < stripStart_.size() && stripStart_[s] < hi; ++s) {
    auto first = byY_.begin() + stripStart_[s];
    auto last = s + 1 < stripStart_.size() ? byY_.begin() + stripStart_[s + 1] : byY_.end();
    first = std::partition_point(first, last, [&](std::uint32_t i) { return !(p.y - anchors_[i].y < r); });
    last = std::partition_point(first, last, [&](std::uint32_t i) { return p.y - anchors_[i].y > -r; });
    for (auto it = first; it != last; ++it) {
      const TAcadPoint& a = anchors_[*it];
      if (!points::WithinBox(p, a, r)) continue;
      const double d = points::PlanarDistance(p, a);
      if (!(d < limit)) continue;
      if (found < 0 || d < best || (d == best && *it < found)) {
        best = d;
        found = *it;
      }
    }
  }
  return found;
}

}  // namespace surva::cad
