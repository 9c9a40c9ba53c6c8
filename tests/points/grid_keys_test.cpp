#include <gtest/gtest.h>

#include "points/grid_keys.h"
#include "support/fakes.h"

using namespace surva;
using namespace surva::points;
using text::u16;

namespace {

// Rows 1..n, cells "<column letter><row>".
ui::TextGrid lettered(int dataRows, int cols = 4) {
  ui::TextGrid g(cols, dataRows + 1);
  for (int r = 1; r <= dataRows; ++r)
    for (int c = 0; c < cols; ++c) g.setCell(c, r, u16(1, char16_t(u'a' + c)) + text::intToText(r));
  return g;
}

struct Keys {
  fakes::FakeClipboard clip;
  // The key as the grid's own handling would then see it.
  ui::KeyCode press(ui::TextGrid& g, ui::KeyCode key, ui::ShiftState shift = {}, bool editing = false) {
    HandleGridKeys(g, editing, key, shift, clip);
    return key;
  }
};

constexpr ui::ShiftState kShift{true, false, false};
constexpr ui::ShiftState kCtrl{false, true, false};

}  // namespace

TEST(GridKeys, ShiftDeleteRemovesTheCurrentRowButNeverTheOnlyOne) {
  Keys k;
  auto one = lettered(1);
  EXPECT_EQ(k.press(one, ui::keys::Delete, kShift), ui::keys::Delete);
  EXPECT_EQ(one.rowCount(), 2);
  EXPECT_EQ(one.cell(0, 1), u"a1");

  auto g = lettered(3);
  g.setCurrent(0, 1);
  k.press(g, ui::keys::Delete, kShift);
  EXPECT_EQ(g.rowCount(), 3);
  EXPECT_EQ(g.cell(0, 1), u"a2");
  EXPECT_EQ(g.cell(0, 2), u"a3");
  g.setCurrent(0, 2);
  k.press(g, ui::keys::Delete, kShift);
  EXPECT_EQ(g.rowCount(), 2);
  EXPECT_EQ(g.cell(0, 1), u"a2");
}

TEST(GridKeys, ShiftInsertOpensAnEmptyRow) {
  Keys k;
  auto g = lettered(4);
  g.setCurrent(1, 2);
  EXPECT_EQ(k.press(g, ui::keys::Insert, kShift), ui::keys::Insert);
  EXPECT_EQ(g.rowCount(), 6);
  EXPECT_EQ(g.rowCells(2), (std::vector<u16>{u"", u"", u"", u""}));
  EXPECT_EQ(g.cell(0, 3), u"a2");
  EXPECT_EQ(g.cell(3, 5), u"d4");
  k.press(g, ui::keys::Insert);
  EXPECT_EQ(g.rowCount(), 6);
}

TEST(GridKeys, DeleteEmptiesTheCellOrTheRange) {
  Keys k;
  auto g = lettered(3);
  g.setCurrent(1, 1);
  EXPECT_EQ(k.press(g, ui::keys::Delete), ui::keys::Delete);
  EXPECT_EQ(g.cell(1, 1), u"");
  g.setCurrent(2, 1);
  k.press(g, ui::keys::Delete, {}, true);  // left to the open editor
  EXPECT_EQ(g.cell(2, 1), u"c1");
  g.setSelection({2, 2, 3, 3});
  EXPECT_EQ(k.press(g, ui::keys::Delete, {}, true), ui::keys::None);
  EXPECT_EQ(g.cell(2, 2) + g.cell(3, 2) + g.cell(2, 3) + g.cell(3, 3), u"");
  EXPECT_EQ(g.cell(1, 2), u"b2");
}

TEST(GridKeys, CtrlCAndCtrlX) {
  Keys k;
  auto g = lettered(3);
  g.setSelection({1, 1, 3, 2});
  EXPECT_EQ(k.press(g, 'C', kCtrl), ui::keys::None);
  EXPECT_EQ(k.clip.text, u"b1\tc1\td1\r\nb2\tc2\td2\r\n");
  EXPECT_EQ(k.press(g, 'X', {true, true, false}), ui::keys::None);
  EXPECT_EQ(k.clip.text, u"b1\tc1\td1\r\nb2\tc2\td2\r\n");
  EXPECT_EQ(g.cell(1, 1) + g.cell(3, 2), u"");
  EXPECT_EQ(g.cell(0, 1), u"a1");
  EXPECT_EQ(k.press(g, 'C'), 'C');  // without Ctrl the key is the grid's
}

TEST(GridKeys, CtrlXKeepsTheCellsWhenTheClipboardIsLocked) {
  Keys k;
  auto g = lettered(2);
  g.setSelection({0, 1, 1, 2});
  k.clip.failToOpen = true;
  EXPECT_ANY_THROW(k.press(g, 'X', kCtrl));
  EXPECT_EQ(g.cell(0, 1), u"a1");
  EXPECT_ANY_THROW(k.press(g, 'V', kCtrl));
  EXPECT_EQ(g.cell(1, 2), u"b2");
}

TEST(GridKeys, CtrlVFillsTheSelectionDownwards) {
  Keys k;
  auto g = lettered(6);
  k.clip.text = u"v\r\n";
  g.setSelection({1, 1, 1, 4});
  k.press(g, 'V', kCtrl);
  for (int r = 1; r <= 4; ++r) EXPECT_EQ(g.cell(1, r), u"v");
  EXPECT_EQ(g.cell(1, 5), u"b5");

  k.clip.text = u"a\r\nb\r\n";
  g.setSelection({2, 1, 2, 5});
  k.press(g, 'V', {true, true, false});  // Ctrl+Shift+V pastes the same way
  std::vector<u16> col;
  for (int r = 1; r <= 6; ++r) col.push_back(g.cell(2, r));
  EXPECT_EQ(col, (std::vector<u16>{u"a", u"b", u"a", u"b", u"a", u"c6"}));
  EXPECT_EQ(g.rowCount(), 7);
}

TEST(GridKeys, CtrlVGrowsTheGridAtTheLastRow) {
  Keys k;
  auto g = lettered(3);
  g.setCurrent(3, 3);
  k.clip.text = u"1\t2\r\n3\r\n4";
  k.press(g, 'V', kCtrl);
  EXPECT_EQ(g.rowCount(), 6);
  EXPECT_EQ(g.colCount(), 4);
  EXPECT_EQ(g.cell(3, 3), u"1");  // "2" falls right of the last column
  EXPECT_EQ(g.cell(3, 5), u"4");

  k.clip.text = u"";
  const auto before = g.rowCount();
  EXPECT_EQ(k.press(g, 'V', kCtrl), ui::keys::None);
  EXPECT_EQ(g.rowCount(), before);
}

TEST(GridKeys, MainListWritesTheRowPanelWhenTheRowCountChanges) {
  fakes::FakeClipboard clip;
  auto g = lettered(3, 5);
  std::vector<u16> panel;
  auto sink = [&](const u16& t) { panel.push_back(t); };
  g.setCurrent(0, 2);
  ui::KeyCode key = ui::keys::Insert;
  MainListKeyDown(g, false, key, kShift, clip, sink);
  EXPECT_EQ(panel, (std::vector<u16>{u" 2 / 4"}));
  key = ui::keys::Delete;
  MainListKeyDown(g, false, key, {}, clip, sink);
  EXPECT_EQ(panel.size(), 1u);
  EXPECT_EQ(g.cell(4, 3), u"e2");  // keys do not renumber
}
