#include <gtest/gtest.h>

#include "points/list_columns.h"
#include "points/point_math.h"
#include "points/working_array.h"
#include "ui/text_grid.h"

using namespace surva;
using namespace surva::points;
using text::u16;

namespace {

ui::TextGrid namedList(std::initializer_list<const char16_t*> names) {
  ui::TextGrid g(5, static_cast<int>(names.size()) + 1);
  int r = 1;
  for (const char16_t* n : names) g.setCell(0, r++, n);
  return g;
}

std::vector<int> groups(const ui::TextGrid& g, bool pline, const char16_t* separator) {
  std::vector<int> out;
  for (const auto& p : FillWorkingArray(g, {pline, separator, true})) out.push_back(p.grp);
  return out;
}

TPlotDataArray pointsOfOneGroup(std::initializer_list<TAcadPoint> pts) {
  TPlotDataArray a;
  int i = 0;
  for (const auto& p : pts) a.push_back({i, 0, p, u"P" + text::intToText(i)}), ++i;
  return a;
}

std::vector<int> idxOrder(const TPlotDataArray& a) {
  std::vector<int> out;
  for (const auto& p : a) out.push_back(p.idx);
  return out;
}

}  // namespace

TEST(InitialGroupPrefix, FromTheFirstSeparatorOfTheFirstName) {
  EXPECT_EQ(InitialGroupPrefix(u"-", u"ST-1"), (GroupPrefix{u"ST", 2}));
  EXPECT_EQ(InitialGroupPrefix(u"-", u"-5"), (GroupPrefix{u"", 1}));
  EXPECT_EQ(InitialGroupPrefix(u"-", u"A5"), (GroupPrefix{u"", 0}));
  EXPECT_EQ(InitialGroupPrefix(u"", u"A-5"), (GroupPrefix{u"", 0}));
}

TEST(FillWorkingArray, GroupsAreRunsOfEqualPrefixes) {
  const auto g = namedList({u"A-1", u"A-2", u"B-1", u"B-2", u"A-3"});
  EXPECT_EQ(groups(g, true, u"-"), (std::vector<int>{0, 0, 1, 1, 2}));
  EXPECT_EQ(groups(g, false, u"-"), (std::vector<int>{0, 0, 0, 0, 0}));
  EXPECT_EQ(groups(g, true, u""), (std::vector<int>{0, 0, 0, 0, 0}));
  // Only the first character of the separator box counts.
  EXPECT_EQ(groups(g, true, u"-x"), (std::vector<int>{0, 0, 1, 1, 2}));
}

TEST(FillWorkingArray, PrefixLengthComesFromRowOneOnly) {
  EXPECT_EQ(groups(namedList({u"ST-1", u"ST-2", u"S-3", u"STA-4"}), true, u"-"), (std::vector<int>{0, 0, 1, 2}));
  EXPECT_EQ(groups(namedList({u"A-1", u"AB-2", u"B-12"}), true, u"-"), (std::vector<int>{0, 0, 1}));
  EXPECT_EQ(groups(namedList({u"-5", u"A-1", u"B-1"}), true, u"-"), (std::vector<int>{0, 0, 0}));
}

TEST(FillWorkingArray, EmptyRowsStayInTheirGroupAtTheOrigin) {
  auto g = namedList({u"A-1", u"", u"A-2"});
  g.setCell(1, 1, u"10.5");
  g.setCell(2, 1, u"-2");
  g.setCell(3, 1, u"3");
  g.setCell(1, 3, u"abc");  // not a number
  const auto a = FillWorkingArray(g, {true, u"-", true});
  ASSERT_EQ(a.size(), 3u);
  EXPECT_EQ(a[1].grp, 0);
  EXPECT_EQ(a[1].idx, 1);
  EXPECT_EQ(a[1].name, u"");
  EXPECT_EQ(a[1].pt.x, 0.0);
  EXPECT_EQ(a[0].pt.x, 10.5);
  EXPECT_EQ(a[0].pt.y, -2.0);
  EXPECT_EQ(a[0].pt.z, 3.0);
  EXPECT_EQ(a[2].pt.x, 0.0);
  EXPECT_EQ(FillWorkingArray(g, {true, u"-", false})[0].pt.z, 0.0);
}

TEST(FillWorkingArray, NamesAreKeptUntrimmed) {
  const auto a = FillWorkingArray(namedList({u" A-1 "}), {});
  EXPECT_EQ(a[0].name, u" A-1 ");
}

TEST(OrderByNearest, FirstThreePointsAndFourPointListsStay) {
  auto four = pointsOfOneGroup({{0, 0, 0}, {9, 9, 0}, {5, 5, 0}, {1, 1, 0}});
  OrderByNearest(four);
  EXPECT_EQ(idxOrder(four), (std::vector<int>{0, 1, 2, 3}));
}

TEST(OrderByNearest, NearerLaterPointMovesUp) {
  auto five = pointsOfOneGroup({{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {10, 0, 0}, {3, 0, 0}});
  OrderByNearest(five);
  EXPECT_EQ(idxOrder(five), (std::vector<int>{0, 1, 2, 4, 3}));
}

TEST(OrderByNearest, OfEquallyNearPointsTheFirstStays) {
  // From position 2, positions 4 and 5 are equally near and both nearer than 3.
  auto six = pointsOfOneGroup({{0, 0, 0}, {1, 0, 0}, {0, 0, 0}, {9, 0, 0}, {0, 2, 0}, {2, 0, 0}});
  OrderByNearest(six);
  EXPECT_EQ(idxOrder(six)[3], 4);
}

TEST(OrderByNearest, PointsNeverLeaveTheirGroup) {
  TPlotDataArray a = pointsOfOneGroup({{0, 0, 0}, {0, 0, 0}, {0, 0, 0}, {50, 0, 0}, {1, 0, 0}, {2, 0, 0}});
  a[4].grp = a[5].grp = 1;
  OrderByNearest(a);
  EXPECT_EQ(idxOrder(a), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(PointMath, DistanceBoxAndUserFrame) {
  EXPECT_DOUBLE_EQ(PlanarDistance({0, 0, 5}, {3, 4, -7}), 5.0);
  EXPECT_TRUE(WithinBox({0, 0, 0}, {0.9, -0.9, 100}, 1.0));
  EXPECT_FALSE(WithinBox({0, 0, 0}, {1.0, 0, 0}, 1.0));
  EXPECT_FALSE(WithinBox({0, 0, 0}, {0, -1.0, 0}, 1.0));

  const TAcadPoint p{12.5, -3.25, 7};
  const TAcadPoint same = WorldToUcs(p, {1, 0, 0}, {0, 1, 0}, {0, 0, 0});
  EXPECT_EQ(same.x, p.x);
  EXPECT_EQ(same.y, p.y);
  EXPECT_EQ(same.z, p.z);

  // A frame turned 90 degrees about Z, its origin at (10, 20, 1).
  const TAcadPoint u = WorldToUcs({10, 25, 4}, {0, 1, 0}, {-1, 0, 0}, {10, 20, 1});
  EXPECT_DOUBLE_EQ(u.x, 5.0);
  EXPECT_DOUBLE_EQ(u.y, 0.0);
  EXPECT_DOUBLE_EQ(u.z, 3.0);
}

TEST(ListColumns, HeaderRowsOfTheFourGrids) {
  ui::TextGrid g(4, 5);
  WriteHeader(g, MainListHeader());
  EXPECT_EQ(g.colCount(), 5);
  EXPECT_EQ(g.cell(0, 0), u" 測点");
  EXPECT_EQ(g.cell(4, 0), u" PLOT No.");
  EXPECT_EQ(TextListHeader()[0], u" TEXT");
  EXPECT_EQ(SimaListHeader(), (std::vector<u16>{u" コード", u" 点番号", u" 測点名", u" X座標", u" Y座標", u" Z座標"}));
}
