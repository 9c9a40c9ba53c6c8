#include <gtest/gtest.h>

#include <random>

#include "literal_procedures.h"
#include "points/exchange_order.h"
#include "points/list_commands.h"
#include "points/list_sort.h"
#include "points/station_name.h"

using namespace surva;
using namespace surva::points;
using text::u16;

namespace {

ui::TextGrid listOfNames(std::initializer_list<const char16_t*> names) {
  ui::TextGrid g(5, static_cast<int>(names.size()) + 1);
  int r = 1;
  for (const char16_t* n : names) {
    g.setCell(0, r, n);
    g.setCell(1, r, u"x" + text::intToText(r));  // coordinates follow their row
    ++r;
  }
  return g;
}

std::vector<u16> column(const ui::TextGrid& g, int col) {
  std::vector<u16> out;
  for (int r = 1; r < g.rowCount(); ++r) out.push_back(g.cell(col, r));
  return out;
}

}  // namespace

TEST(SplitStationName, TrailingAsciiDigitsAreTheNumber) {
  struct Case {
    const char16_t* name;
    bool found;
    const char16_t* textPart;
    const char16_t* numberPart;
  } cases[] = {
      {u"A-12", true, u"A-", u"12"}, {u"No.7", true, u"No.", u"7"}, {u"12", true, u"", u"12"},
      {u"P007", true, u"P", u"007"}, {u"A-1a", false, u"A-1a", u""}, {u"", false, u"", u""},
      {u"A１２", false, u"A１２", u""},  // full-width digits are text
  };
  for (const auto& c : cases) {
    const auto parts = SplitStationName(c.name);
    EXPECT_EQ(parts.hasNumber, c.found) << text::toUtf8(c.name);
    EXPECT_EQ(parts.textPart, c.textPart) << text::toUtf8(c.name);
    EXPECT_EQ(parts.numberPart, c.numberPart) << text::toUtf8(c.name);
  }
  EXPECT_EQ(StationNumberKey(u"007"), 7);
  EXPECT_EQ(StationNumberKey(u"2147483647"), 2147483647);
  EXPECT_EQ(StationNumberKey(u"2147483648"), 0);
  EXPECT_EQ(StationNumberKey(u"0000000000002147483647"), 2147483647);
  EXPECT_EQ(StationNumberKey(u""), 0);
}

TEST(StationSort, ByNameThenNumberKeepingRowsWhole) {
  auto g = listOfNames({u"B2", u"A10", u"A9", u""});
  SortListByStationName(g);
  EXPECT_EQ(column(g, 0), (std::vector<u16>{u"", u"A9", u"A10", u"B2"}));
  EXPECT_EQ(column(g, 1), (std::vector<u16>{u"x4", u"x3", u"x2", u"x1"}));
  EXPECT_EQ(column(g, 4), (std::vector<u16>{u"1", u"2", u"3", u"4"}));

  auto cases = listOfNames({u"a1", u"B1", u"A-2", u"A-1"});
  SortListByStationName(cases);
  EXPECT_EQ(column(cases, 0), (std::vector<u16>{u"A-1", u"A-2", u"B1", u"a1"}));
}

TEST(StationSort, ByNumberOnly) {
  auto g = listOfNames({u"B2", u"A10", u"A9", u"X"});
  SortListByStationNumber(g);
  EXPECT_EQ(column(g, 0), (std::vector<u16>{u"X", u"B2", u"A9", u"A10"}));
  EXPECT_EQ(column(g, 4), (std::vector<u16>{u"1", u"2", u"3", u"4"}));
}

TEST(StationSort, EqualKeysEndInTheExchangeOrder) {
  // P7 and P007 share a key; the exchange leaves them reversed here.
  auto g = listOfNames({u"P7", u"P007", u"A"});
  SortByStationName(g, 0);
  EXPECT_EQ(column(g, 0), (std::vector<u16>{u"A", u"P007", u"P7"}));
}

TEST(StationSort, EmptyAndSingleRowLists) {
  ui::TextGrid none(5, 1);
  SortByStationName(none, 0);
  SortByStationNumber(none, 0);
  EXPECT_EQ(none.rowCount(), 1);
  auto one = listOfNames({u"A"});
  SortListByStationName(one);
  EXPECT_EQ(column(one, 0), (std::vector<u16>{u"A"}));
}

// Ranks drawn from few classes, compared with the exchange itself.
TEST(ExchangeOrder, MatchesTheExchangeOnRandomRanks) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 3000; ++round) {
    const int n = std::uniform_int_distribution<int>(0, 40)(rng);
    const int classes = std::uniform_int_distribution<int>(1, n + 1)(rng);
    std::vector<std::uint32_t> rank(n);
    for (auto& r : rank) r = std::uniform_int_distribution<std::uint32_t>(0, classes - 1)(rng);
    // Class numbers need not be dense for the exchange; make them so.
    auto dense = rank;
    std::vector<std::uint32_t> used(rank.begin(), rank.end());
    std::sort(used.begin(), used.end());
    used.erase(std::unique(used.begin(), used.end()), used.end());
    for (auto& r : dense) r = static_cast<std::uint32_t>(std::lower_bound(used.begin(), used.end(), r) - used.begin());

    std::vector<std::size_t> expected(n);
    std::iota(expected.begin(), expected.end(), std::size_t{0});
    for (int i = 0; i + 1 < n; ++i) {
      std::uint32_t ki = dense[expected[i]];
      for (int j = i + 1; j < n; ++j)
        if (dense[expected[j]] < ki) {
          std::swap(expected[i], expected[j]);
          ki = dense[expected[i]];
        }
    }
    ASSERT_EQ(ExchangeOrderFromRanks(dense), expected) << "round " << round;
  }
}

TEST(StationSort, MatchesTheLiteralExchangeOnRandomLists) {
  std::mt19937 rng(777);
  for (int round = 0; round < 1500; ++round) {
    const int rows = std::uniform_int_distribution<int>(0, 70)(rng);
    const int variety = std::uniform_int_distribution<int>(0, 12)(rng);
    const auto original = literal::randomList(rng, rows, variety);

    auto fast = original;
    auto slow = original;
    SortByStationName(fast, 0);
    literal::sortByStationName(slow, 0);
    ASSERT_EQ(literal::allRows(fast), literal::allRows(slow)) << "name sort, round " << round;

    fast = original;
    slow = original;
    SortByStationNumber(fast, 0);
    literal::sortByStationNumber(slow, 0);
    ASSERT_EQ(literal::allRows(fast), literal::allRows(slow)) << "number sort, round " << round;
  }
}
