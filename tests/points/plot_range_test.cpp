#include <gtest/gtest.h>

#include <initializer_list>

#include "points/plot_range.h"

namespace surva::points {
namespace {

// The numbers 0..20 that the expression selects.
std::vector<int> selected(text::u16view e) {
  std::vector<int> out;
  for (int n = 0; n <= 20; ++n)
    if (InPlotRange(e, n)) out.push_back(n);
  return out;
}

std::vector<int> from(int first) {
  std::vector<int> out;
  for (int n = first; n <= 20; ++n) out.push_back(n);
  return out;
}

TEST(SplitToList, PiecesBetweenCommasKeepBlanksAndEmptyPieces) {
  std::vector<text::u16> list{u"old"};
  SplitToList(u"", list);
  EXPECT_EQ(list, (std::vector<text::u16>{u""}));
  SplitToList(u"1,2", list);
  EXPECT_EQ(list, (std::vector<text::u16>{u"1", u"2"}));
  SplitToList(u"1,", list);
  EXPECT_EQ(list, (std::vector<text::u16>{u"1", u""}));
  SplitToList(u" a ,,b;c", list);
  EXPECT_EQ(list, (std::vector<text::u16>{u" a ", u"", u"b;c"}));
}

TEST(InPlotRange, EmptyExpressionSelectsEverythingEvenZero) {
  EXPECT_TRUE(InPlotRange(u"", 0));
  EXPECT_TRUE(InPlotRange(u"", -5));
  EXPECT_TRUE(InPlotRange(u"", 100000));
}

TEST(InPlotRange, NumbersAndRanges) {
  EXPECT_EQ(selected(u"1-3,6,7"), (std::vector<int>{1, 2, 3, 6, 7}));
  std::vector<int> hint{1, 2, 3, 5, 7};
  for (int n : from(9)) hint.push_back(n);
  EXPECT_EQ(selected(u"1-3, 5, 7, 9-"), hint);
  EXPECT_EQ(selected(u"9-"), from(9));
  EXPECT_EQ(selected(u"-3"), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(selected(u"0-2"), (std::vector<int>{1, 2}));
  EXPECT_EQ(selected(u"3-3"), from(3));
  EXPECT_EQ(selected(u"5-2"), from(5));
  EXPECT_EQ(selected(u"2-x"), from(2));
  EXPECT_EQ(selected(u"1 - 3"), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(selected(u"1;4,6"), (std::vector<int>{1, 4, 6}));
  EXPECT_EQ(selected(u"\t12 "), (std::vector<int>{12}));
  EXPECT_EQ(selected(u"+2-4"), (std::vector<int>{2, 3, 4}));
}

TEST(InPlotRange, PiecesOfNoFormSelectNothing) {
  for (text::u16view e : {u"-", u"abc", u"05", u"+5", u"--3", u"0", u",", u"   "})
    EXPECT_TRUE(selected(e).empty()) << text::toUtf8(e);
  EXPECT_FALSE(InPlotRange(u"1-3", 0));
  EXPECT_FALSE(InPlotRange(u"-3", -1));
}

TEST(PlotNoLeftOut, GreyFollowsTheRowNumber) {
  EXPECT_FALSE(plotNoLeftOut(u"", 4));
  EXPECT_FALSE(plotNoLeftOut(u"   ", 4));  // blanks only: white, yet selects nothing
  EXPECT_FALSE(plotNoLeftOut(u"1-3,6,7", 3));
  EXPECT_TRUE(plotNoLeftOut(u"1-3,6,7", 4));
}

TEST(PlotListCellStyle, ColoursAndAlignment) {
  const ui::CellStyle grid{ui::colors::Highlight, ui::colors::HighlightText, ui::Align::Left, 2, 0, false};
  ui::CellStyle s = grid;
  plotListCellStyle(u"1-3", 0, 5, s);  // station names: the grid's own look
  EXPECT_EQ(s, grid);
  plotListCellStyle(u"1-3", 4, 0, s);  // header
  EXPECT_EQ(s, grid);

  plotListCellStyle(u"1-3", 2, 5, s);  // coordinates keep the grid's colours
  EXPECT_EQ(s.background, ui::colors::Highlight);
  EXPECT_EQ(s.textColor, ui::colors::HighlightText);
  EXPECT_EQ(s.align, ui::Align::Right);
  EXPECT_EQ(s.insetRight, 4);
  EXPECT_TRUE(s.verticalCenter);

  s = grid;
  plotListCellStyle(u"1-3", 4, 5, s);
  EXPECT_EQ(s.background, (ui::Color{128, 128, 128}));
  EXPECT_EQ(s.textColor, ui::colors::White);
  EXPECT_EQ(s.align, ui::Align::Right);
  s = grid;
  plotListCellStyle(u"1-3", 4, 2, s);  // selected, even when the cell is selected
  EXPECT_EQ(s.background, ui::colors::White);
  EXPECT_EQ(s.textColor, ui::colors::Black);
}

}  // namespace
}  // namespace surva::points
