// Long lists move a block of rows at a time: wherever the list ends against
// the blocks, and whether the spreadsheet takes ranges of cells or refuses
// them (from the start or part-way), the list, the cells, the selection
// and the caption come out as with single cells, in a few calls.
#include <gtest/gtest.h>

#include "sheet/cell_text.h"
#include "sheet_fixture.h"
#include "text/number.h"

namespace surva::sheettest {
namespace {

// Data row i of the sheet and of the list: every seventh name and every
// third Z empty.
text::u16 nameOf(int i) { return i % 7 ? u"P-" + text::intToText(i) : u""; }
text::u16 xOf(int i) { return text::intToText(1000 + i) + u".25"; }
text::u16 yOf(int i) { return u"-" + text::intToText(i) + u".5"; }
text::u16 zOf(int i) { return i % 3 ? text::intToText(i % 100) : u""; }

struct BlockTransferTest : ::testing::Test, SheetFixture {
  BlockTransferTest() {
    form.CheckBox8.setChecked(true);  // Z too
    form.StatusBar1.setPanelText(0, u" 1 / 1");
  }
  std::string expected(int rows, int first = 1) {
    std::string out;
    for (int i = first; i < first + rows; ++i)
      out += text::toUtf8(nameOf(i) + u"," + xOf(i) + u"," + yOf(i) + u"," + zOf(i)) + "," +
             std::to_string(i - first + 1) + "\n";
    return out;
  }
};

TEST_F(BlockTransferTest, ReadEndsWhereTheFirstXOrYIsEmptyWhereverTheBlocksFall) {
  struct Case {
    const char* what;
    int rows;          // data rows before the row that ends the list
    bool emptyY;       // that row lacks Y (else X)
    long multiCell;    // ranges of cells the sheet gives (< 0: any)
    std::size_t maxValueCalls;
  };
  const Case cases[] = {
      {"stops inside the second block", 200, false, -1, 2},
      {"stops on the first row of a block", 128, true, -1, 2},
      {"stops on the last row of a block", 127, false, -1, 1},
      {"refused part-way", 300, true, 1, 100000},
      {"refused from the start", 40, false, 0, 100000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    excel = std::make_shared<sim::Spreadsheet>();
    automation.registerSheet(kProgId, excel);
    for (int i = 1; i <= c.rows + 3; ++i) fill(i, {{nameOf(i).c_str(), xOf(i).c_str(), yOf(i).c_str(), zOf(i).c_str()}});
    const int stop = c.rows + 1;
    sheet().enter(stop, c.emptyY ? 3 : 2, u"");
    excel->multiCellRanges = c.multiCell;
    form.Button1.click();
    EXPECT_EQ(listText(form.StringGrid1.cells()), expected(c.rows));
    EXPECT_EQ(sim::rangeAddress(sheet().selection), (c.emptyY ? u"C" : u"B") + text::intToText(stop));
    EXPECT_LE(excel->calls().count(u"Value"), c.maxValueCalls);
    EXPECT_EQ(form.text(), u"Surva2024.2.21 [ Sheet1 ] ");
    EXPECT_EQ(form.StatusBar1.panelText(0), u" 1 / 1");
    EXPECT_TRUE(fakes.dialogs.shown.empty());
  }
}

TEST_F(BlockTransferTest, AFailurePartWayPutsTheListBack) {
  for (int i = 1; i <= 300; ++i) fill(i, {{nameOf(i).c_str(), xOf(i).c_str(), yOf(i).c_str()}});
  form.Button1.click();
  const std::string before = listText(form.StringGrid1.cells());
  excel->failMember(u"Value", 1, 1);  // the second block
  form.Button1.click();
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_NE(fakes.dialogs.shown[0].message.find(u"リストは元のままです"), text::u16::npos);
  EXPECT_EQ(listText(form.StringGrid1.cells()), before);
}

TEST_F(BlockTransferTest, WriteLeavesTheCellsOfEmptyListCellsAndEndsOnTheLastRow) {
  const int rows = 2100;  // two blocks
  for (long multiCell : {-1L, 0L, 3L}) {
    SCOPED_TRACE(multiCell);
    excel = std::make_shared<sim::Spreadsheet>();
    automation.registerSheet(kProgId, excel);
    ui::TextGrid& g = form.StringGrid1.cells();
    g.setRowCount(rows + 1);
    for (int i = 1; i <= rows; ++i) {
      g.setRowCells(i, {nameOf(i), xOf(i), yOf(i), zOf(i), text::intToText(i)});
      sheet().enter(i + 4, 1, u"keep");  // stays where a name is empty
      sheet().enter(i + 4, 4, u"keep");
    }
    g.setRowCells(1, {u"007", xOf(1), yOf(1), zOf(1), u"1"});
    form.UpDown4.setPosition(5);
    excel->multiCellRanges = multiCell;
    form.Button5.click();
    EXPECT_TRUE(fakes.dialogs.shown.empty());
    EXPECT_EQ(sheet().cell(5, 1), platform::Variant(u"007"));
    for (int i = 2; i <= rows; ++i) {
      const auto shown = [&](int col) { return sheet::CellText(sheet().cell(i + 4, col)); };
      ASSERT_EQ(shown(1), nameOf(i).empty() ? u"keep" : nameOf(i)) << i;
      ASSERT_EQ(shown(2), xOf(i)) << i;
      ASSERT_EQ(shown(3), yOf(i)) << i;
      ASSERT_EQ(shown(4), zOf(i).empty() ? u"keep" : zOf(i)) << i;
    }
    EXPECT_EQ(sim::rangeAddress(sheet().selection), u"D" + text::intToText(rows + 4));
    // One call per run of filled cells, not per cell.
    if (multiCell < 0) {
      EXPECT_LT(excel->calls().count(u"Value"), static_cast<std::size_t>(rows));
    }
  }
}

}  // namespace
}  // namespace surva::sheettest
