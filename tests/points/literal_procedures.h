#pragma once
// Word-for-word versions of the list's exchange sorts and of the removal of
// repeated rows, quadratic as they always were. The fast versions must give
// exactly their results; the tests and the benchmark compare against them.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "text/u16.h"
#include "ui/text_grid.h"

namespace surva::literal {

using text::u16;

// Views into the cell, so the cost measured is the procedure's, not the
// allocator's; the name is still split again at every comparison.
struct Split {
  text::u16view textPart;
  text::u16view numberPart;
};

inline Split split(text::u16view name) {
  std::size_t i = name.size();
  while (i > 0 && name[i - 1] >= u'0' && name[i - 1] <= u'9') --i;
  return {name.substr(0, i), name.substr(i)};
}

inline std::int32_t numberKey(text::u16view digits) {
  std::size_t first = 0;
  while (first < digits.size() && digits[first] == u'0') ++first;
  const text::u16view significant = digits.substr(first);
  if (significant.empty() || significant.size() > 10) return 0;
  long long v = 0;
  for (char16_t c : significant) v = v * 10 + (c - u'0');
  return v > 2147483647LL ? 0 : static_cast<std::int32_t>(v);
}

inline void sortByStationNumber(ui::TextGrid& g, int col) {
  const int R = g.rowCount();
  for (int i = 1; i <= R - 2; ++i) {
    std::int32_t ki = numberKey(split(g.cell(col, i)).numberPart);
    for (int j = i + 1; j <= R - 1; ++j) {
      const std::int32_t kj = numberKey(split(g.cell(col, j)).numberPart);
      if (kj < ki) {
        g.swapRows(i, j);
        ki = kj;
      }
    }
  }
}

inline void sortByStationName(ui::TextGrid& g, int col) {
  const int R = g.rowCount();
  for (int i = 1; i <= R - 2; ++i) {
    // Held as text: the row it came from moves away at the exchange.
    u16 ti(split(g.cell(col, i)).textPart);
    std::int32_t ki = numberKey(split(g.cell(col, i)).numberPart);
    for (int j = i + 1; j <= R - 1; ++j) {
      const Split sj = split(g.cell(col, j));
      const std::int32_t kj = numberKey(sj.numberPart);
      if (text::u16view(ti) > sj.textPart) {
        ti = u16(sj.textPart);
        g.swapRows(i, j);
        ki = kj;
      } else if (text::u16view(ti) == sj.textPart && kj < ki) {
        g.swapRows(i, j);
        ki = kj;
      }
    }
  }
}

inline void renumber(ui::TextGrid& g) {
  for (int r = 1; r < g.rowCount(); ++r) g.setCell(4, r, text::intToText(r));
}

// Leaves no data row when every row is empty (R = 1).
inline void removeRepeatedRows(ui::TextGrid& g) {
  const int R = g.rowCount();
  if (R - 1 < 2) {
    renumber(g);
    return;
  }
  for (int k = R - 1; k >= 2; --k) {
    for (int m = k - 1; m >= 1; --m) {
      bool same = true;
      for (int c = 0; c < 4; ++c)
        if (g.cell(c, k) != g.cell(c, m)) same = false;
      if (same) {
        for (int c = 0; c < 4; ++c) g.setCell(c, k, {});
        break;
      }
    }
  }
  std::vector<std::vector<u16>> keep;
  for (int r = 1; r < R; ++r) {
    bool any = false;
    for (int c = 0; c < 4; ++c)
      if (!g.cell(c, r).empty()) any = true;
    if (any) keep.push_back(g.rowCells(r));
  }
  g.setRowCount(static_cast<int>(keep.size()) + 1);
  for (std::size_t i = 0; i < keep.size(); ++i) g.setRowCells(static_cast<int>(i) + 1, keep[i]);
  renumber(g);
}

// Names with many equal keys: shared text parts, leading zeros (P7 and P007
// have one key), full-width digits, empty names, numbers beyond 2147483647.
inline u16 randomName(std::mt19937& rng, int variety) {
  static const char16_t* texts[] = {u"", u"A", u"A-", u"B", u"a", u"No.", u"Ａ", u"A１", u"ST-", u"b-"};
  static const char16_t* numbers[] = {u"",   u"1",  u"01",         u"001",        u"2",
                                      u"10", u"9",  u"2147483647", u"2147483648", u"99999999999",
                                      u"0",  u"00", u"１"};
  const int t = std::uniform_int_distribution<int>(0, std::min(variety, 9))(rng);
  const int n = std::uniform_int_distribution<int>(0, std::min(variety + 2, 12))(rng);
  return u16(texts[t]) + numbers[n];
}

// A main list of `rows` data rows; cells from small pools so rows repeat.
inline ui::TextGrid randomList(std::mt19937& rng, int rows, int variety) {
  ui::TextGrid g(5, rows + 1);
  static const char16_t* coords[] = {u"", u"1", u"1.0", u"2", u"-3.5", u"1 "};
  std::uniform_int_distribution<int> coord(0, 5);
  for (int r = 1; r <= rows; ++r) {
    g.setCell(0, r, randomName(rng, variety));
    for (int c = 1; c < 4; ++c) g.setCell(c, r, coords[coord(rng) % (variety % 6 + 1)]);
    g.setCell(4, r, text::intToText(r * 7));
  }
  return g;
}

inline std::vector<std::vector<u16>> allRows(const ui::TextGrid& g) {
  std::vector<std::vector<u16>> rows;
  for (int r = 0; r < g.rowCount(); ++r) rows.push_back(g.rowCells(r));
  return rows;
}

}  // namespace surva::literal
