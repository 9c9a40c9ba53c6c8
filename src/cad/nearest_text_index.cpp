#include "cad/nearest_text_index.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "points/point_math.h"

namespace surva::cad {

using points::TAcadPoint;

// Why binary search gives the exact box: for a fixed x, fl(x - a) never
// increases as a grows, so "fl(x - a) < range" turns true once and stays
// true, and "fl(x - a) > -range" is true up to a point and false after it.
// A strip holds an anchor inside the box's x-range exactly when its
// largest x passes the first test and its smallest x the second; inside a
// strip the same holds for y. Anchors that are not finite can never be
// inside any box around a finite point and are left out.

namespace {

// True when an anchor whose larger offset from the point is `m` is surely
// farther than `best`, so that its distance need not be computed. The
// computed distance sqrt(dx * dx + dy * dy) is at least m (1 - 2^-53)^2
// while m * m is a normal number, so a margin of 1e-15 leaves no tie
// or nearer anchor out. A negative m rules nothing out.
bool cannotReach(double m, double best) { return m > 1e-150 && m * (1 - 1e-15) > best; }

}  // namespace

NearestTextIndex::NearestTextIndex(const std::vector<TAcadPoint>& anchors, double range) : range_(range) {
  if (!(range_ > 0)) return;  // no anchor is ever inside the box
  entries_.reserve(anchors.size());
  for (std::uint32_t i = 0; i < anchors.size(); ++i)
    if (std::isfinite(anchors[i].x) && std::isfinite(anchors[i].y)) entries_.push_back({anchors[i].x, anchors[i].y, i});
  // The order of equal keys does not matter: a query breaks ties of distance
  // by position, not by the order it meets anchors in.
  std::sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) { return a.x < b.x; });

  double stripX = 0;
  for (std::uint32_t pos = 0; pos < entries_.size(); ++pos) {
    if (pos == 0 || entries_[pos].x >= stripX + range_) {
      stripStart_.push_back(pos);
      stripX = entries_[pos].x;
      stripFirstX_.push_back(stripX);
    }
  }
  stripStart_.push_back(static_cast<std::uint32_t>(entries_.size()));
  for (std::size_t s = 0; s + 1 < stripStart_.size(); ++s) {
    stripLastX_.push_back(entries_[stripStart_[s + 1] - 1].x);
    std::sort(entries_.begin() + stripStart_[s], entries_.begin() + stripStart_[s + 1],
              [](const Entry& a, const Entry& b) { return a.y < b.y; });
  }
}

std::int64_t NearestTextIndex::nearest(const TAcadPoint& p) const {
  if (stripLastX_.empty()) return -1;
  // |inf - a| and NaN are never below the range: no box around such a point.
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return -1;
  const double r = range_;
  const double limit = r * 100;
  double best = std::numeric_limits<double>::infinity();
  std::int64_t found = -1;
  // One strip: the anchors between the two ends in y, less those that
  // cannot come as near as the best so far.
  auto search = [&](std::size_t s) {
    const Entry* last = entries_.data() + stripStart_[s + 1];
    const Entry* it = std::partition_point(entries_.data() + stripStart_[s], last, [&](const Entry& e) {
      const double dy = p.y - e.y;
      return !(dy < r) || cannotReach(dy, best);
    });
    for (; it != last; ++it) {
      // The box test of WithinBox, term for term: |dy| < r holds for every
      // anchor between the two ends in y.
      const double dy = p.y - it->y;
      if (!(dy > -r) || cannotReach(-dy, best)) break;
      const double dx = p.x - it->x;
      if (!(r > std::fabs(dx)) || cannotReach(std::fabs(dx), best)) continue;
      const double d = points::PlanarDistance(p, {it->x, it->y, 0});
      if (!(d < limit)) continue;
      if (d < best || (d == best && it->index < found)) {
        best = d;
        found = it->index;
      }
    }
  };
  // The strips that may hold anchors inside the box's x-range run from
  // `first` while "p.x - smallest x > -r". The one around the point goes
  // first, so that the best distance is small early and the strips farther
  // out are passed over.
  const auto first = static_cast<std::size_t>(
      std::partition_point(stripLastX_.begin(), stripLastX_.end(), [&](double x) { return !(p.x - x < r); }) -
      stripLastX_.begin());
  auto home = static_cast<std::size_t>(
      std::partition_point(stripFirstX_.begin(), stripFirstX_.end(), [&](double x) { return x <= p.x; }) -
      stripFirstX_.begin());
  home = std::max(first, home > 0 ? home - 1 : 0);
  for (std::size_t s = home; s < stripFirstX_.size(); ++s) {
    const double gap = p.x - stripFirstX_[s];  // no anchor of the strip nearer in x
    if (!(gap > -r) || cannotReach(-gap, best)) break;
    search(s);
  }
  for (std::size_t s = home; s-- > first;) {
    const double gap = p.x - stripLastX_[s];
    if (cannotReach(gap, best)) break;
    search(s);
  }
  return found;
}

}  // namespace surva::cad
