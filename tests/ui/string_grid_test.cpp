// The string grid: current cell, selection, editing, mouse and painting.
#include <gtest/gtest.h>

#include "ui/controls.h"

namespace surva::ui {
namespace {

class GridTest : public ::testing::Test {
 protected:
  GridTest() : g(form.create<StringGrid>(u"G")) {
    g.setBounds({0, 0, 380, 168});
    g.setDefaultRowHeight(19);
    g.setDefaultColWidth(71);
    g.cells().setColCount(5);
    g.cells().setRowCount(11);
    g.setOptions({.editing = true, .rangeSelect = true, .colMove = true, .colSizing = true});
  }
  GridRect sel() const { return g.cells().selection(); }
  Form form{u"F"};
  StringGrid& g;
};

TEST_F(GridTest, EveryMoveOfTheCurrentCellRaisesClickAndAHandlerMayMoveItAgain) {
  std::vector<std::pair<int, int>> seen;
  g.onClick = [&] {
    seen.emplace_back(g.cells().col(), g.cells().row());
    if (g.cells().col() == 4) g.cells().setCurrent(0, g.cells().row());
  };
  g.cells().setCurrent(4, 3);  // the program
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{4, 3}, {0, 3}}));
  g.keyDown(keys::Down);  // the user
  EXPECT_EQ(seen.back(), (std::pair<int, int>{0, 4}));
  seen.clear();
  g.cells().setCell(0, 4, u"x");  // text alone does not move the cell
  g.cells().setCurrent(0, 4);
  EXPECT_TRUE(seen.empty());
  g.cells().setRowCount(3);  // shrinking pushes the cell back into the grid
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{0, 2}}));
}

TEST_F(GridTest, TheUserNeverSelectsTheHeaderRow) {
  g.selectCell(2, 0);
  EXPECT_EQ(g.cells().row(), 1);
  g.keyDown(keys::Up);
  EXPECT_EQ(g.cells().row(), 1);
  g.keyDown(keys::Home, {.ctrl = true});
  EXPECT_EQ(sel(), (GridRect{0, 1, 0, 1}));
  g.keyDown(keys::End, {.ctrl = true});
  EXPECT_EQ(sel(), (GridRect{4, 10, 4, 10}));

  g.cells().setRowCount(1);  // header alone
  EXPECT_FALSE(g.selectCell(0, 1));
}

TEST_F(GridTest, ShiftExtendsFromTheAnchorAndAPlainMoveCollapses) {
  g.selectCell(1, 1);
  g.keyDown(keys::Down, {.shift = true});
  g.keyDown(keys::Down, {.shift = true});
  g.keyDown(keys::Right, {.shift = true});
  EXPECT_EQ(sel(), (GridRect{1, 1, 2, 3}));
  EXPECT_EQ(g.cells().row(), 3);
  g.keyDown(keys::Up, {.shift = true});
  EXPECT_EQ(sel(), (GridRect{1, 1, 2, 2}));
  g.keyDown(keys::Down);
  EXPECT_EQ(sel(), (GridRect{2, 3, 2, 3}));

  // A cell the program moved to becomes the anchor.
  g.cells().setCurrent(3, 5);
  g.keyDown(keys::Left, {.shift = true});
  EXPECT_EQ(sel(), (GridRect{2, 5, 3, 5}));

  g.setOptions({.rangeSelect = false});
  g.keyDown(keys::Down, {.shift = true});
  EXPECT_EQ(sel(), (GridRect{2, 6, 2, 6}));
}

TEST_F(GridTest, AKeyConsumedByTheHandlerIsNotTheGridsOwn) {
  g.selectCell(0, 2);
  g.onKeyDown = [](KeyCode& k, ShiftState) {
    if (k == keys::Down) k = keys::None;
  };
  EXPECT_TRUE(g.keyDown(keys::Down));
  EXPECT_EQ(g.cells().row(), 2);
  g.setEnabled(false);
  EXPECT_FALSE(g.keyDown(keys::Up));
  EXPECT_EQ(g.cells().row(), 2);
}

TEST_F(GridTest, InPlaceEditingCommitsOrCancels) {
  g.selectCell(1, 2);
  g.cells().setCell(1, 2, u"old");
  g.keyPress(u'5');  // typing replaces the text
  EXPECT_TRUE(g.editorMode());
  EXPECT_EQ(g.editorText(), u"5");
  g.keyDown(keys::Escape);
  EXPECT_FALSE(g.editorMode());
  EXPECT_EQ(g.cells().cell(1, 2), u"old");

  g.keyDown(keys::F2);
  EXPECT_EQ(g.editorText(), u"old");
  g.setEditorText(u"12.5");
  g.keyDown(keys::Left);  // the editor's own key: still editing
  EXPECT_TRUE(g.editorMode());
  g.keyDown(keys::Down);  // commits and moves
  EXPECT_EQ(g.cells().cell(1, 2), u"12.5");
  EXPECT_EQ(g.cells().row(), 3);

  g.keyDown(keys::Return);
  g.setEditorText(u"new");
  g.selectCell(3, 3);  // moving away with the mouse commits too
  EXPECT_EQ(g.cells().cell(1, 3), u"new");

  g.keyDown(keys::F2);
  g.setEditorText(u"kept");
  g.cells().setCurrent(0, 1);  // a command moved the cursor: the edit stays in its cell
  EXPECT_FALSE(g.editorMode());
  EXPECT_EQ(g.cells().cell(3, 3), u"kept");

  g.doubleClick(80, 45);  // column 1, row 2
  EXPECT_TRUE(g.editorMode());
  EXPECT_EQ(g.editorText(), u"12.5");
  g.endEdit(false);
  g.doubleClick(80, 5);  // header
  EXPECT_FALSE(g.editorMode());

  g.setOptions({.editing = false});
  EXPECT_FALSE(g.beginEdit());
  g.keyPress(u'x');
  EXPECT_FALSE(g.editorMode());
}

TEST_F(GridTest, MouseSelectsDragsAndHitsCells) {
  // Row 0 is 0..18, row 1 is 19..37; column 0 is 0..70.
  g.mouseDown(MouseButton::Left, 80, 45);
  EXPECT_EQ(sel(), (GridRect{1, 2, 1, 2}));
  g.mouseMove(150, 65);
  g.mouseUp(MouseButton::Left, 150, 65);
  EXPECT_EQ(sel(), (GridRect{1, 2, 2, 3}));
  g.mouseDown(MouseButton::Left, 10, 25, {.shift = true});
  EXPECT_EQ(sel(), (GridRect{0, 1, 1, 2}));
  EXPECT_EQ(g.cellAt(10, 400).row, -1);  // below the last row
  EXPECT_EQ(g.cellAt(500, 10).col, -1);
  EXPECT_EQ(g.cellRect(1, 2), (Rect{71, 38, 71, 19}));

  // The right button selects nothing (it opens the pop-up menu).
  g.mouseDown(MouseButton::Right, 300, 100);
  EXPECT_EQ(sel(), (GridRect{0, 1, 1, 2}));
}

TEST_F(GridTest, HeaderClicksMovesAndResizes) {
  std::vector<int> clicked;
  g.onFixedCellClick = [&](int c, int r) {
    EXPECT_EQ(r, 0);
    clicked.push_back(c);
  };
  g.cells().setCell(0, 1, u"a");
  g.cells().setCell(2, 1, u"c");
  g.setColWidth(0, 50);

  g.mouseDown(MouseButton::Left, 10, 5);
  g.mouseUp(MouseButton::Left, 10, 5);
  EXPECT_TRUE(clicked.empty());  // header clicks are off for this grid

  g.mouseDown(MouseButton::Left, 10, 5);  // drag column 0 onto column 2
  g.mouseUp(MouseButton::Left, 50 + 71 + 10, 5);
  EXPECT_EQ(g.cells().cell(2, 1), u"a");
  EXPECT_EQ(g.cells().cell(1, 1), u"c");
  EXPECT_EQ(g.colWidth(2), 50);

  GridOptions o = g.options();
  o.fixedRowClick = true;
  o.colMove = false;
  g.setOptions(o);
  g.mouseDown(MouseButton::Left, 80, 5);
  g.mouseUp(MouseButton::Left, 80, 5);
  g.mouseDown(MouseButton::Left, 80, 5);
  g.mouseUp(MouseButton::Left, 10, 5);  // released elsewhere: no click, no move
  EXPECT_EQ(clicked, (std::vector<int>{1}));
  EXPECT_EQ(g.cells().cell(2, 1), u"a");

  g.mouseDown(MouseButton::Left, 70, 5);  // on the right edge of column 0 (71 wide)
  g.mouseMove(90, 5);
  g.mouseUp(MouseButton::Left, 90, 5);
  EXPECT_EQ(g.colWidth(0), 91);
}

TEST_F(GridTest, PaintingDefaultsAndTheDrawCellRule) {
  g.selectCell(1, 1);
  g.extendSelection(2, 2);
  EXPECT_EQ(g.cellStyle(0, 0).background, colors::BtnFace);
  EXPECT_EQ(g.cellStyle(1, 1).background, colors::Highlight);
  EXPECT_EQ(g.cellStyle(2, 2).background, colors::Window);  // the focused cell
  EXPECT_EQ(g.cellStyle(3, 3), CellStyle{});
  EXPECT_TRUE(g.cellState(2, 2).focused);

  g.onDrawCell = [](int col, int row, const CellState& s, CellStyle& style) {
    if (row > 0 && col == 4) {
      style.align = Align::Right;
      style.insetRight = 4;
      if (!s.selected) style.background = colors::Grey;
    }
  };
  CellStyle s = g.cellStyle(4, 3);
  EXPECT_EQ(s.background, colors::Grey);
  EXPECT_EQ(s.align, Align::Right);
  EXPECT_EQ(g.cellStyle(4, 0).background, colors::BtnFace);
}

TEST_F(GridTest, MovingDownScrollsTheCurrentRowIntoView) {
  EXPECT_EQ(g.visibleDataRows(), 6);  // 168 - header - horizontal scroll bar
  g.selectCell(0, 10);
  EXPECT_EQ(g.topRow(), 5);
  EXPECT_EQ(g.cellAt(5, 19).row, 5);
  g.keyDown(keys::PageUp);
  EXPECT_EQ(g.cells().row(), 4);
  EXPECT_EQ(g.topRow(), 4);
  g.setTopRow(100);
  EXPECT_EQ(g.topRow(), 5);
  g.setScrollBars(ScrollBars::Vertical);
  EXPECT_EQ(g.visibleDataRows(), 7);
  g.mouseWheel(-3);
  EXPECT_EQ(g.topRow(), 2);
  g.mouseWheel(-3);  // stops at the first data row
  EXPECT_EQ(g.topRow(), 1);
}

}  // namespace
}  // namespace surva::ui
