// The list menu and grid keys reach the list commands through the main window.
#include <gtest/gtest.h>

#include "main_form_fixture.h"

using namespace surva;
using surva::app::testing::MainFormFixture;

TEST(ListHandlers, MenuPasteSortAndTidyTheMainList) {
  MainFormFixture f;
  auto& grid = f.form.StringGrid1.cells();
  f.fakes.clipboard.text = u"B2\t1\t2\r\nA1\t3\t4\r\nB2\t1\t2";
  f.form.N5.click();
  f.form.N10.click();
  EXPECT_EQ(grid.cell(0, 1), u"");  // the fourth, empty row of the start-up list
  EXPECT_EQ(grid.cell(0, 2), u"A1");
  EXPECT_EQ(grid.cell(2, 2), u"4");
  f.form.N13.click();  // the empty row and the repeated B2 go
  EXPECT_EQ(grid.rowCount(), 3);
  EXPECT_EQ(grid.cell(0, 2), u"B2");
  EXPECT_EQ(grid.cell(4, 2), u"2");
  f.form.N2.click();
  EXPECT_EQ(f.fakes.clipboard.text.substr(0, 9), u"A1\t3\t4\r\nB");
}

TEST(ListHandlers, GridKeysCopyAndGrowWithTheRowPanel) {
  MainFormFixture f;
  auto& grid = f.form.StringGrid1.cells();
  const int rows = grid.rowCount();
  grid.setCurrent(0, rows - 1);
  f.fakes.clipboard.text = u"P1\r\nP2\r\n";
  f.form.StringGrid1.keyDown('V', {false, true, false});
  EXPECT_EQ(grid.rowCount(), rows + 1);
  EXPECT_EQ(f.form.StatusBar1.panelText(0), u" " + text::intToText(rows - 1) + u" / " + text::intToText(rows));

  auto& sima = f.form.StringGrid3.cells();
  sima.setCell(3, 1, u"12.5");
  sima.setSelection({3, 1, 4, 1});
  f.form.StringGrid3.keyDown('C', {false, true, false});
  EXPECT_EQ(f.fakes.clipboard.text, u"12.5\t\r\n");
}

TEST(ListHandlers, SimaCoordinatesAreRightAligned) {
  MainFormFixture f;
  for (ui::StringGrid* g : {&f.form.StringGrid3, &f.form.StringGrid4}) {
    EXPECT_EQ(g->cellStyle(4, 1).align, ui::Align::Right);
    EXPECT_EQ(g->cellStyle(4, 1).insetRight, 4);
    EXPECT_EQ(g->cellStyle(2, 1).align, ui::Align::Left);
    EXPECT_EQ(g->cellStyle(4, 0).align, ui::Align::Left);
  }
}

TEST(ListHandlers, ShiftInsertUnderAnOpenEditorKeepsTheTypedTextInItsRow) {
  MainFormFixture f;
  auto& grid = f.form.StringGrid1.cells();
  grid.setCell(0, 2, u"B");
  grid.setCurrent(0, 2);
  ASSERT_TRUE(f.form.StringGrid1.beginEdit());
  f.form.StringGrid1.setEditorText(u"typed");
  f.form.StringGrid1.keyDown(ui::keys::Insert, {true, false, false});
  EXPECT_FALSE(f.form.StringGrid1.editorMode());
  EXPECT_EQ(grid.cell(0, 2), u"");
  EXPECT_EQ(grid.cell(0, 3), u"typed");
}

TEST(ListHandlers, AnOpenEditIsWrittenIntoItsOwnRowBeforeAMenuCommand) {
  MainFormFixture f;
  auto& list = f.form.StringGrid1;
  f.fakes.clipboard.text = u"B2\r\nA10\r\nA9\r\n";
  f.form.N5.click();
  list.cells().setRowCount(4);
  list.selectCell(0, 1);
  ASSERT_TRUE(list.beginEdit());
  list.setEditorText(u"C1");  // typed, not yet committed
  list.mouseDown(ui::MouseButton::Right, 20, 3 * 19 + 9);
  f.form.N10.click();
  list.selectCell(1, 2);  // clicking elsewhere writes nothing more
  EXPECT_EQ(list.cells().cell(0, 1), u"A9");
  EXPECT_EQ(list.cells().cell(0, 2), u"A10");
  EXPECT_EQ(list.cells().cell(0, 3), u"C1");

  // A command that runs with the editor still open (no click first).
  list.selectCell(0, 1);
  ASSERT_TRUE(list.beginEdit());
  list.setEditorText(u"Z1");
  f.form.N10.click();
  EXPECT_FALSE(list.editorMode());
  EXPECT_EQ(list.cells().cell(0, 1), u"A10");
  EXPECT_EQ(list.cells().cell(0, 3), u"Z1");
}

TEST(ListHandlers, CtrlVInAnOpenEditorPastesRows) {
  MainFormFixture f;
  auto& list = f.form.StringGrid1;
  const int rows = list.cells().rowCount();
  list.selectCell(0, rows - 1);
  ASSERT_TRUE(list.beginEdit());
  list.setEditorText(u"typed");
  f.fakes.clipboard.text = u"P1\t1\r\nP2\t2\r\n";
  EXPECT_TRUE(list.keyDown('V', {false, true, false}));  // spent: the editor does not paste text
  EXPECT_FALSE(list.editorMode());
  EXPECT_EQ(list.cells().rowCount(), rows + 1);
  EXPECT_EQ(list.cells().cell(0, rows - 1), u"P1");
  EXPECT_EQ(list.cells().cell(1, rows), u"2");
}

TEST(ListHandlers, CtrlXInAnOpenEditorCutsWhatWasTyped) {
  MainFormFixture f;
  auto& list = f.form.StringGrid1;
  list.cells().setCell(1, 1, u"12345.678");
  list.selectCell(1, 1);
  ASSERT_TRUE(list.beginEdit());
  list.setEditorText(u"12346.100");
  list.keyDown('X', {false, true, false});
  EXPECT_EQ(f.fakes.clipboard.text, u"12346.100\r\n");
  EXPECT_EQ(list.cells().cell(1, 1), u"");
}
