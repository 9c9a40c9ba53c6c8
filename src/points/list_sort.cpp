#include "points/list_sort.h"

#include <cstdint>

#include "points/exchange_order.h"
#include "points/station_name.h"
#include "ui/text_grid.h"

namespace surva::points {

namespace {

struct NameKey {
  text::u16view textPart;
  std::int32_t number = 0;
};

// Each name is split once, here, not at every comparison.
NameKey keyOf(text::u16view name) {
  const std::size_t length = StationTextLength(name);
  return {name.substr(0, length), StationNumberKey(name.substr(length))};
}

}  // namespace

void PermuteDataRows(ui::TextGrid& grid, const std::vector<std::size_t>& order) {
  ui::TextGrid::BatchUpdate batch(grid);
  const int first = grid.fixedRows();
  std::vector<bool> placed(order.size(), false);
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (placed[start]) continue;
    std::size_t cur = start;
    while (order[cur] != start) {
      const std::size_t next = order[cur];
      grid.swapRows(first + static_cast<int>(cur), first + static_cast<int>(next));
      placed[cur] = true;
      cur = next;
    }
    placed[cur] = true;
  }
}

void SortByStationName(ui::TextGrid& grid, int col) {
  std::vector<NameKey> keys;
  keys.reserve(static_cast<std::size_t>(std::max(0, grid.dataRowCount())));
  for (int r = grid.fixedRows(); r < grid.rowCount(); ++r) keys.push_back(keyOf(grid.cell(col, r)));
  // The views point into the grid, which stays unchanged until the order is known.
  const auto order = ExchangeSortOrder(keys, [](const NameKey& a, const NameKey& b) {
    if (a.textPart != b.textPart) return a.textPart < b.textPart;
    return a.number < b.number;
  });
  PermuteDataRows(grid, order);
}

void SortByStationNumber(ui::TextGrid& grid, int col) {
  std::vector<std::int32_t> keys;
  keys.reserve(static_cast<std::size_t>(std::max(0, grid.dataRowCount())));
  for (int r = grid.fixedRows(); r < grid.rowCount(); ++r) {
    const text::u16view name = grid.cell(col, r);
    keys.push_back(StationNumberKey(name.substr(StationTextLength(name))));
  }
  PermuteDataRows(grid, ExchangeSortOrder(keys, [](std::int32_t a, std::int32_t b) { return a < b; }));
}

}  // namespace surva::points
