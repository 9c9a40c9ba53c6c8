#include "cad/text_list.h"

#include "points/exchange_order.h"
#include "points/list_sort.h"
#include "points/point_math.h"
#include "text/number.h"
#include "text/round_digits.h"

namespace surva::cad {

void FillTextList(const HarvestStore& store, bool ucs, int decimals, ui::TextGrid& list) {
  // The rows are made first, so a failure on the way leaves the list as it was.
  auto number = [decimals](double v) { return text::formatFixed(text::RoundDigits(v, decimals), decimals); };
  const UcsFrame& f = store.ucs;
  std::vector<std::vector<text::u16>> rows;
  rows.reserve(store.texts.size());
  for (const TTextBlk& t : store.texts) {
    const TAcadPoint p = ucs ? points::WorldToUcs(t.pt10, f.xDir, f.yDir, f.origin) : t.pt10;
    rows.push_back({t.str, number(p.x), number(p.y), number(p.z)});
  }
  ui::TextGrid::BatchUpdate batch(list);
  for (int r = 1; r < list.rowCount(); ++r)
    for (int c = 0; c < 4; ++c) list.setCell(c, r, {});
  if (rows.empty()) return;
  list.setRowCount(static_cast<int>(rows.size()) + 1);
  list.setCurrent(list.col(), 1);
  for (int r = 1; r <= static_cast<int>(rows.size()); ++r)
    for (int c = 0; c < 4; ++c) list.setCell(c, r, std::move(rows[r - 1][c]));
}

void SortGridRows(ui::TextGrid& grid, int c1, int c2, bool asNumbers, bool descending) {
  std::vector<text::u16> keys;
  for (int r = grid.fixedRows(); r < grid.rowCount(); ++r) {
    text::u16 key;
    if (c1 >= 0) key += grid.cell(c1, r);
    if (c2 >= 0) key += grid.cell(c2, r);
    keys.push_back(std::move(key));
  }
  std::vector<std::size_t> order;
  if (asNumbers) {
    std::vector<double> numbers;
    numbers.reserve(keys.size());
    for (const auto& k : keys) numbers.push_back(text::parseNumber(k));
    order = descending ? points::ExchangeSortOrder(numbers, [](double a, double b) { return a > b; })
                       : points::ExchangeSortOrder(numbers, [](double a, double b) { return a < b; });
  } else {
    // u16string compares code unit by code unit, a prefix before the longer text.
    order = descending ? points::ExchangeSortOrder(keys, [](const text::u16& a, const text::u16& b) { return a > b; })
                       : points::ExchangeSortOrder(keys, [](const text::u16& a, const text::u16& b) { return a < b; });
  }
  points::PermuteDataRows(grid, order);
}

void SortTextListByHeader(ui::TextGrid& list, int col, int row) {
  if (row != 0) return;
  switch (col) {
    case 0: SortGridRows(list, 0, -1, false, false); break;
    case 1: SortGridRows(list, 1, -1, true, false); break;
    case 2: SortGridRows(list, 2, -1, true, true); break;
    default: SortGridRows(list, 3, -1, true, false); break;
  }
}

void TextListCellStyle(int col, int row, ui::CellStyle& style) {
  if (row == 0 || col == 0) return;
  style.align = ui::Align::Right;
  style.insetRight = 4;
  style.verticalCenter = true;
}

}  // namespace surva::cad
