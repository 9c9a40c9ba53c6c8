#include <gtest/gtest.h>

#include "sim/sheet_csv.h"
#include "sim/sheet_grid.h"

namespace surva::simtest {
namespace {

using platform::Variant;

TEST(SheetCsvTest, FieldsAreEnteredAsTypedAndSavedBackQuotedWhereNeeded) {
  sim::Worksheet ws(u"Sheet1");
  ws.setCell(30, 30, Variant(u"left over"));
  sim::readCsv(ws, {u"測点名,X座標", u"\"A,1\",2020.110", u"\"two", u"lines\",\"say \"\"hi\"\"\"", u",-5"});
  EXPECT_TRUE(ws.cell(30, 30).isEmpty());  // the file replaces the sheet
  EXPECT_EQ(ws.cell(2, 1).toText(), u"A,1");
  EXPECT_EQ(ws.cell(2, 2).kind(), Variant::Kind::Double);  // a number typed is a number
  EXPECT_EQ(ws.cell(3, 1).toText(), u"two\nlines");
  EXPECT_EQ(ws.cell(3, 2).toText(), u"say \"hi\"");
  EXPECT_DOUBLE_EQ(ws.cell(4, 2).toDouble(), -5);

  EXPECT_EQ(sim::csvLines(ws), (std::vector<text::u16>{u"測点名,X座標", u"\"A,1\",2020.11",
                                                       u"\"two\nlines\",\"say \"\"hi\"\"\"", u",-5"}));
}

TEST(SheetGridTest, PixelsMapToCellsAndASelectionScrollsIntoView) {
  sim::SheetGrid grid;
  grid.resize(sim::SheetGrid::kHeaderWidth + 3 * sim::SheetGrid::kColWidth, 6 * sim::SheetGrid::kRowHeight);
  EXPECT_EQ(grid.cellAt(5, 5), (sim::GridCell{0, 0}));
  EXPECT_EQ(grid.cellAt(sim::SheetGrid::kHeaderWidth + sim::SheetGrid::kColWidth + 1, 2 * sim::SheetGrid::kRowHeight),
            (sim::GridCell{2, 2}));
  grid.reveal({sim::SheetRange::Kind::Row, 40, 1});
  EXPECT_LE(grid.firstRow(), 40);
  EXPECT_GE(grid.firstRow() + grid.visibleRows() - 2, 40);  // wholly shown, not under the bottom edge
  EXPECT_EQ(grid.firstCol(), 1);                             // a whole row keeps the columns where they are
  grid.reveal({sim::SheetRange::Kind::Cell, 3, 2});
  EXPECT_EQ(grid.firstRow(), 3);
}

}  // namespace
}  // namespace surva::simtest
