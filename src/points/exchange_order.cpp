#include "points/exchange_order.h"

namespace surva::points {

namespace {

// Counts over positions 0..n-1, with prefix sums and k-th search.
class Fenwick {
 public:
  explicit Fenwick(std::size_t n) : tree_(n + 1, 0) {}
  void fillOnes() {
    const std::size_t n = tree_.size() - 1;
    for (std::size_t i = 1; i <= n; ++i) tree_[i] = static_cast<std::int32_t>(i & (~i + 1));
  }
  void add(std::size_t pos, std::int32_t delta) {
    for (std::size_t i = pos + 1; i < tree_.size(); i += i & (~i + 1)) tree_[i] += delta;
  }
  // Sum over positions [0, pos).
  std::int64_t prefix(std::size_t pos) const {
    std::int64_t s = 0;
    for (std::size_t i = pos; i > 0; i -= i & (~i + 1)) s += tree_[i];
    return s;
  }
  // The position holding the k-th (0-based) unit, counts being 0 or 1.
  std::size_t kth(std::int64_t k) const {
    std::size_t pos = 0;
    std::size_t step = 1;
    while (step * 2 < tree_.size()) step *= 2;
    for (; step > 0; step /= 2) {
      if (pos + step < tree_.size() && tree_[pos + step] <= k) {
        pos += step;
        k -= tree_[pos];
      }
    }
    return pos;
  }

 private:
  std::vector<std::int32_t> tree_;
};

}  // namespace

// Why this gives the exchange order: project the sequence onto the elements
// of one key class V and the elements smaller than V (larger ones never
// change how V moves). Every pass puts a smaller element in front and
// removes it; if the remaining part then began with a run of b elements of
// V, the first of them has jumped behind the other b - 1. The run in front
// before the t-th smaller element goes is exactly the number of V elements
// that stood before that element at the start, so the class's final order
// follows from its initial positions: for k = 1..m (m = class size), rotate
// the first k elements of the class left by g(k), the number of smaller
// elements that stood between its k-th and (k+1)-th element. Those
// rotations are undone backwards on a circle of live slots.
std::vector<std::size_t> ExchangeOrderFromRanks(const std::vector<std::uint32_t>& rank) {
  const std::size_t n = rank.size();
  std::uint32_t classes = 0;
  for (auto r : rank) classes = std::max(classes, r + 1);

  // Positions of each class, ascending (counting sort).
  std::vector<std::size_t> start(static_cast<std::size_t>(classes) + 1, 0);
  for (auto r : rank) ++start[r + 1];
  for (std::size_t c = 0; c < classes; ++c) start[c + 1] += start[c];
  std::vector<std::size_t> byClass(n);
  {
    std::vector<std::size_t> fill(start.begin(), start.end() - 1);
    for (std::size_t p = 0; p < n; ++p) byClass[fill[rank[p]]++] = p;
  }

  std::vector<std::size_t> order(n);
  Fenwick smaller(n);  // the positions of all classes already placed
  std::vector<std::int64_t> shift;
  for (std::size_t c = 0; c < classes; ++c) {
    const std::size_t first = start[c];
    const std::size_t m = start[c + 1] - first;
    const std::size_t* q = byClass.data() + first;
    std::size_t* out = order.data() + first;
    if (m == 1) {
      out[0] = q[0];
    } else if (m > 1) {
      shift.assign(m + 1, 0);
      for (std::size_t k = 1; k <= m; ++k) {
        const std::size_t from = q[k - 1] + 1;
        const std::size_t to = k < m ? q[k] : n;
        shift[k] = (smaller.prefix(to) - smaller.prefix(from)) % static_cast<std::int64_t>(k);
      }
      Fenwick live(m);
      live.fillOnes();
      std::int64_t s = 0;  // live index where the circle is read from
      for (std::size_t k = m; k >= 1; --k) {
        const auto size = static_cast<std::int64_t>(k);
        const std::int64_t s0 = ((s - shift[k]) % size + size) % size;
        const std::int64_t p = (s0 + size - 1) % size;
        const std::size_t slot = live.kth(p);
        out[slot] = q[k - 1];
        live.add(slot, -1);
        s = p < s0 ? s0 - 1 : s0;
      }
    }
    for (std::size_t t = 0; t < m; ++t) smaller.add(q[t], 1);
  }
  return order;
}

}  // namespace surva::points
