// "Excelへ" on the main tab and on the TEXT tab.
#include <gtest/gtest.h>

#include "sheet_fixture.h"
#include "sim/call_log.h"

namespace surva::sheettest {
namespace {

class WriteListTest : public ::testing::Test, public SheetFixture {
 protected:
  WriteListTest() {
    ui::TextGrid& g = form.StringGrid1.cells();
    g.setRowCount(4);
    g.setRowCells(1, {u"測点1", u"10.5", u"20", u"3", u"1"});
    g.setRowCells(2, {u"", u"12", u"22", u"", u"2"});
    g.setRowCells(3, {u"測点3", u"1e300", u"-0", u"", u"3"});
    form.UpDown4.setPosition(5);
  }
  std::string cell(int row, int col) { return sim::describe(sheet().cell(row, col)); }
};

TEST_F(WriteListTest, WritesTheMainListFromTheStartRow) {
  sheet().enter(6, 1, u"keep");
  form.Button5.click();
  EXPECT_EQ(cell(5, 1), "\"測点1\"");
  EXPECT_EQ(cell(5, 2), "10.5");  // the sheet's entry rule makes it a number
  EXPECT_EQ(cell(6, 1), "\"keep\"");  // an empty list cell leaves the cell
  EXPECT_EQ(cell(7, 2), "1E300");
  EXPECT_EQ(cell(7, 3), "0");
  EXPECT_EQ(cell(5, 4), "empty");  // Z only with "Z座標"
  EXPECT_EQ(cell(8, 1), "empty");
  EXPECT_EQ(sim::rangeAddress(sheet().selection), u"C7");
  EXPECT_EQ(form.StringGrid1.cells().cell(4, 3), u"3");
  EXPECT_EQ(form.text(), u"Surva2024.2.21 [ Sheet1 ] ");

  form.CheckBox8.setChecked(true);
  form.UpDown5.setPosition(6);  // Z in G
  form.Button5.click();
  EXPECT_EQ(cell(5, 7), "3");
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(WriteListTest, WritesTheTextListIntoTheNameColumn) {
  ui::TextGrid& t = form.StringGrid2.cells();
  t.setRowCount(3);
  t.setRowCells(1, {u"境界杭\n(既設)", u"1", u"2", u""});
  t.setRowCells(2, {u"12.50", u"1", u"2", u""});
  form.UpDown1.setPosition(4);  // name in E
  form.Button7.click();
  EXPECT_EQ(cell(5, 5), "\"境界杭\n(既設)\"");
  EXPECT_EQ(cell(5, 2), "1");
  EXPECT_EQ(cell(6, 5), "12.5");  // a spot height is a number to the sheet
}

TEST_F(WriteListTest, NamesComeBackAsTheyWereWritten) {
  ui::TextGrid& g = form.StringGrid1.cells();
  g.setRowCells(1, {u"007", u"1", u"2"});
  g.setRowCells(2, {u"12", u"1", u"2"});
  g.setRowCells(3, {u"'A", u"1", u"2"});
  form.Button5.click();
  EXPECT_EQ(cell(5, 1), "\"007\"");
  EXPECT_EQ(cell(6, 1), "12");  // point numbers stay numbers in the sheet
  EXPECT_EQ(cell(7, 1), "\"'A\"");
  form.Button1.click();
  EXPECT_EQ(g.cell(0, 1), u"007");
  EXPECT_EQ(g.cell(0, 3), u"'A");
}

TEST_F(WriteListTest, AFailureIsReportedAndTheCellsWrittenStay) {
  excel->failMember(u"Value", 1, 1);  // the second name (names go first)
  form.Button5.click();
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].icon, platform::Icon::Error);
  EXPECT_NE(fakes.dialogs.shown[0].message.find(u"拒否しました"), text::u16::npos);
  EXPECT_EQ(cell(5, 1), "\"測点1\"");
  EXPECT_EQ(cell(7, 1), "empty");
  EXPECT_EQ(cell(5, 2), "empty");
}

TEST_F(WriteListTest, NothingHappensWithoutASheetOrAList) {
  form.StringGrid1.cells().setRowCount(1);
  form.Button5.click();
  EXPECT_EQ(excel->calls().count(u"Cells"), 0u);
  EXPECT_EQ(form.text(), u"Surva2024.2.21 [ Sheet1 ] ");  // it attached
  showWindow(false);
  form.Button7.click();
  EXPECT_EQ(excel->calls().records().size(), 5u);
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

}  // namespace
}  // namespace surva::sheettest
