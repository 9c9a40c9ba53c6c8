#pragma once
// The order in which the list's exchange sort leaves its rows, computed in
// O(n log n) instead of by the quadratic exchange itself.
//
// The exchange sort: for each position i, every later j whose key is
// strictly less than the key now at i is exchanged with i. It is not
// stable, and users rely on where rows with equal keys end up, so this must
// give exactly that order, not merely a sorted one.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <numeric>
#include <vector>

namespace surva::points {

// rank[p] is the key class of position p (0 = smallest). Returns order, with
// order[p] the original position of the element that ends at position p.
std::vector<std::size_t> ExchangeOrderFromRanks(const std::vector<std::uint32_t>& rank);

// The same for any keys under a strict weak order.
template <class Key, class Less>
std::vector<std::size_t> ExchangeSortOrder(const std::vector<Key>& keys, Less less) {
  const std::size_t n = keys.size();
  std::vector<std::size_t> byKey(n);
  std::iota(byKey.begin(), byKey.end(), std::size_t{0});
  std::stable_sort(byKey.begin(), byKey.end(),
                   [&](std::size_t a, std::size_t b) { return less(keys[a], keys[b]); });
  std::vector<std::uint32_t> rank(n);
  std::uint32_t r = 0;
  for (std::size_t t = 0; t < n; ++t) {
    if (t > 0 && less(keys[byKey[t - 1]], keys[byKey[t]])) ++r;
    rank[byKey[t]] = r;
  }
  return ExchangeOrderFromRanks(rank);
}

}  // namespace surva::points
