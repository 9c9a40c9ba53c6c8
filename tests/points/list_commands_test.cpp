#include <gtest/gtest.h>

#include <random>

#include "literal_procedures.h"
#include "points/grid_clipboard.h"
#include "points/list_commands.h"
#include "support/fakes.h"
#include "text/error.h"

using namespace surva;
using namespace surva::points;
using text::u16;
using Rows = std::vector<std::vector<u16>>;

namespace {

ui::TextGrid listOf(const Rows& rows, int cols = 5) {
  ui::TextGrid g(cols, static_cast<int>(rows.size()) + 1);
  for (std::size_t r = 0; r < rows.size(); ++r) g.setRowCells(static_cast<int>(r) + 1, rows[r]);
  return g;
}

Rows dataRows(const ui::TextGrid& g) {
  Rows out;
  for (int r = 1; r < g.rowCount(); ++r) out.push_back(g.rowCells(r));
  return out;
}

ui::TextGrid numberedList(int dataRows) {
  ui::TextGrid g(5, dataRows + 1);
  for (int r = 1; r <= dataRows; ++r)
    for (int c = 0; c < 4; ++c) g.setCell(c, r, u16(1, char16_t(u'a' + c)) + text::intToText(r));
  return g;
}

}  // namespace

TEST(ClipboardText, LinesEndAtAnyLineBreakAndTheLastNeedsNone) {
  EXPECT_EQ(ParseClipboardText(u"a\tb\r\nc\td\r\n"), (ClipboardLines{{u"a", u"b"}, {u"c", u"d"}}));
  EXPECT_EQ(ParseClipboardText(u"a\tb"), (ClipboardLines{{u"a", u"b"}}));
  EXPECT_EQ(ParseClipboardText(u"a\nb\rc\r\n"), (ClipboardLines{{u"a"}, {u"b"}, {u"c"}}));
  EXPECT_EQ(ParseClipboardText(u"\r\n\tx\t\r\n"), (ClipboardLines{{u""}, {u"", u"x", u""}}));
  EXPECT_TRUE(ParseClipboardText(u"").empty());
}

TEST(CopyCommands, SelectionAndWholeListShapes) {
  auto g = numberedList(3);
  fakes::FakeClipboard clip;
  g.setSelection({1, 1, 3, 2});
  CopySelection(g, clip);
  EXPECT_EQ(clip.text, u"b1\tc1\td1\r\nb2\tc2\td2\r\n");
  g.setCurrent(2, 3);
  CopySelection(g, clip);
  EXPECT_EQ(clip.text, u"c3\r\n");

  auto withEmpty = numberedList(2);
  withEmpty.setRowCount(4);
  CopyAll(withEmpty, clip);
  EXPECT_EQ(clip.text, u"a1\tb1\tc1\r\na2\tb2\tc2\r\n\t\t\r\n");
}

TEST(PasteCommands, AtTheCurrentCellGrowsTheListAndWritesTheRowPanel) {
  auto g = numberedList(4);  // R = 5
  fakes::FakeClipboard clip;
  clip.text = u"a\tb\r\nc\td\r\n";
  g.setCurrent(1, 4);
  std::vector<u16> panel;
  PasteAtCurrentCell(g, clip, [&](const u16& t) { panel.push_back(t); });
  EXPECT_EQ(g.rowCount(), 6);
  EXPECT_EQ(g.cell(1, 4), u"a");
  EXPECT_EQ(g.cell(2, 4), u"b");
  EXPECT_EQ(g.cell(1, 5), u"c");
  EXPECT_EQ(g.cell(2, 5), u"d");
  EXPECT_EQ(g.cell(0, 4), u"a4");
  EXPECT_EQ(g.cell(4, 5), u"5");
  EXPECT_EQ(panel, (std::vector<u16>{u" 4 / 5"}));

  // One line on the last row fits without growth: no panel. Fields right
  // of the last column are dropped.
  clip.text = u"p\tq\tr\ts\r\n";
  g.setCurrent(3, 5);
  PasteAtCurrentCell(g, clip, [&](const u16& t) { panel.push_back(t); });
  EXPECT_EQ(g.rowCount(), 6);
  EXPECT_EQ(g.cell(3, 5), u"p");
  EXPECT_EQ(g.cell(4, 5), u"5");  // renumbered over the pasted "q"
  EXPECT_EQ(g.colCount(), 5);
  EXPECT_EQ(panel.size(), 1u);
}

TEST(PasteCommands, OneLineWithoutLineBreakStillPastes) {
  auto g = numberedList(2);
  fakes::FakeClipboard clip;
  clip.text = u"x\ty";
  g.setCurrent(0, 2);
  PasteAtCurrentCell(g, clip, nullptr);
  EXPECT_EQ(g.cell(0, 2), u"x");
  EXPECT_EQ(g.cell(1, 2), u"y");
  EXPECT_EQ(g.rowCount(), 3);
}

TEST(PasteCommands, AListWithoutDataRowsKeepsItsHeader) {
  // As a worksheet read that found nothing leaves the main list.
  ui::TextGrid g = listOf({{u"P0", u"1", u"2"}});
  g.setRowCells(0, {u"測点", u"X"});
  g.setCurrent(1, 1);
  g.setRowCount(1);
  fakes::FakeClipboard clip;
  clip.text = u"P1\t100\r\nP2\t200\r\n";
  PasteAtCurrentCell(g, clip, {});
  EXPECT_EQ(g.cell(0, 0), u"測点");
  EXPECT_EQ(dataRows(g), (Rows{{u"", u"P1", u"100", u"", u"1"}, {u"", u"P2", u"200", u"", u"2"}}));
  EXPECT_EQ(g.row(), 1);  // grown, the current cell leaves the header

  g.setRowCount(1);
  ClearRect(g, {0, 0, 4, 0});
  EXPECT_EQ(g.cell(0, 0), u"測点");
}

TEST(PasteCommands, AtTheFirstCellKeepsTheRowsBelow) {
  auto g = numberedList(10);
  fakes::FakeClipboard clip;
  clip.text = u"n1\r\nn2\r\nn3\r\n";
  g.setCurrent(2, 7);
  PasteAtFirstCell(g, clip);
  EXPECT_EQ(g.rowCount(), 11);
  EXPECT_EQ(g.cell(0, 3), u"n3");
  EXPECT_EQ(g.cell(1, 3), u"b3");
  EXPECT_EQ(g.cell(0, 4), u"a4");

  auto small = numberedList(1);
  PasteAtFirstCell(small, clip);
  EXPECT_EQ(small.rowCount(), 4);
  EXPECT_EQ(small.cell(4, 3), u"3");
}

TEST(PasteCommands, ALockedClipboardLeavesTheListUnchanged) {
  auto g = numberedList(3);
  g.setCell(4, 1, u"old");
  const Rows before = dataRows(g);
  fakes::FakeClipboard clip;
  clip.failToOpen = true;
  EXPECT_THROW(PasteAtCurrentCell(g, clip, nullptr), Failure);
  EXPECT_THROW(PasteAtFirstCell(g, clip), Failure);
  EXPECT_EQ(dataRows(g), before);
}

TEST(ClearCommands, SelectionAndWholeList) {
  auto g = numberedList(4);
  g.setSelection({3, 2, 4, 3});
  ClearSelection(g);
  EXPECT_EQ(g.cell(3, 2), u"");
  EXPECT_EQ(g.cell(4, 2), u"2");
  EXPECT_EQ(g.cell(2, 2), u"c2");

  ClearAllData(g);
  EXPECT_EQ(dataRows(g), (Rows{{u"", u"", u"", u"", u"1"}}));
  ui::TextGrid headerOnly(5, 1);
  ClearAllData(headerOnly);
  EXPECT_EQ(dataRows(headerOnly), (Rows{{u"", u"", u"", u"", u"1"}}));
}

TEST(RemoveRepeatedRows, TopmostOfEqualRowsStays) {
  auto g = listOf({{u"A", u"1", u"2", u"3", u"9"},
                   {u"A", u"1", u"2", u"3"},
                   {u"B", u"1", u"2", u"3"},
                   {u"A", u"1", u"2", u"3 "},
                   {u"", u"", u"", u"", u"x"},
                   {u"A", u"1", u"2", u"3"}});
  RemoveRepeatedRows(g);
  EXPECT_EQ(dataRows(g), (Rows{{u"A", u"1", u"2", u"3", u"1"},
                               {u"B", u"1", u"2", u"3", u"2"},
                               {u"A", u"1", u"2", u"3 ", u"3"}}));
}

TEST(RemoveRepeatedRows, OneRowAndAllEmptyRows) {
  auto one = listOf({{u"", u"", u"", u"", u"7"}});
  RemoveRepeatedRows(one);
  EXPECT_EQ(dataRows(one), (Rows{{u"", u"", u"", u"", u"1"}}));

  auto empty = listOf({{u"", u"", u"", u"", u"7"}, {}, {u"", u"", u"", u"", u"z"}});
  RemoveRepeatedRows(empty);
  EXPECT_EQ(dataRows(empty), (Rows{{u"", u"", u"", u"", u"1"}}));
}

TEST(RemoveRepeatedRows, MatchesTheLiteralProcedureOnRandomLists) {
  std::mt19937 rng(4242);
  for (int round = 0; round < 1500; ++round) {
    const int rows = std::uniform_int_distribution<int>(0, 60)(rng);
    const int variety = std::uniform_int_distribution<int>(0, 5)(rng);
    auto fast = literal::randomList(rng, rows, variety);
    // Wider lists carry extra cells with their row.
    if (round % 3 == 0) {
      fast.setColCount(7);
      for (int r = 1; r < fast.rowCount(); ++r) fast.setCell(6, r, text::intToText(r));
    }
    auto slow = fast;
    RemoveRepeatedRows(fast);
    literal::removeRepeatedRows(slow);
    if (rows >= 2 && slow.rowCount() == 1) {
      // Where the old procedure left no data row, one empty row stays.
      ASSERT_EQ(fast.rowCount(), 2) << "round " << round;
      ASSERT_EQ(fast.cell(0, 1) + fast.cell(3, 1) + fast.cell(4, 1), u"1") << "round " << round;
      continue;
    }
    ASSERT_EQ(literal::allRows(fast), literal::allRows(slow)) << "round " << round;
  }
}
