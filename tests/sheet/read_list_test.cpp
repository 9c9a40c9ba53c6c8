// "Exceｌから": reading the main list from the active sheet.
#include <gtest/gtest.h>

#include "sheet_fixture.h"

namespace surva::sheettest {
namespace {

class ReadListTest : public ::testing::Test, public SheetFixture {
 protected:
  ReadListTest() {
    ui::TextGrid& g = form.StringGrid1.cells();
    g.setRowCount(3);
    g.setRowCells(1, {u"old", u"1", u"2", u"", u"1"});
    form.GroupBox2.setEnabled(true);
    form.StatusBar1.setPanelText(1, u"harvest");
  }
  std::string list() { return listText(form.StringGrid1.cells()); }
};

TEST_F(ReadListTest, ReadsUntilTheFirstEmptyXOrY) {
  fill(1, {{u"A-1", u"10.5", u"20"}, {u"", u"12345.678", u"100"}, {u"A-3", u"1", u"2"}, {u"A-4", u"", u"3"},
           {u"A-5", u"7", u"8"}});
  form.Button1.click();
  EXPECT_EQ(list(), "A-1,10.5,20,,1\n,12345.678,100,,2\nA-3,1,2,,3\n");
  EXPECT_FALSE(form.GroupBox2.enabled());
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");
  EXPECT_EQ(form.text(), u"Surva2024.2.21 [ Sheet1 ] ");
  // Each cell was selected before it was read: the selection ends on the
  // empty X cell.
  EXPECT_EQ(sim::rangeAddress(sheet().selection), u"B4");
  // The rows arrive in one call.
  EXPECT_EQ(excel->calls().count(u"Value"), 1u);
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(ReadListTest, ChosenColumnsStartRowAndZ) {
  form.UpDown1.setPosition(4);  // name in E
  form.UpDown4.setPosition(5);
  form.CheckBox8.setChecked(true);
  fill(5, {{u"1", u"2", u"3", u"", u"P-1"}, {u"4", u"5", u"6.25", u"", u"P-2"}});
  sheet().enter(5, 4, u"9");
  form.Button1.click();
  EXPECT_EQ(list(), "P-1,2,3,9,1\nP-2,5,6.25,,2\n");
  EXPECT_EQ(sim::rangeAddress(sheet().selection), u"B7");
}

TEST_F(ReadListTest, AnEmptyStartRowGivesNoDataRows) {
  fill(2, {{u"A-1", u"1", u"2"}});
  form.Button1.click();
  EXPECT_EQ(form.StringGrid1.cells().dataRowCount(), 0);
  EXPECT_EQ(sim::rangeAddress(sheet().selection), u"B1");
  EXPECT_FALSE(form.GroupBox2.enabled());
}

TEST_F(ReadListTest, OtherCellKindsAndTextsArriveAsTheSheetShowsThem) {
  const text::u16 longText = text::u16(5000, u'測') + u"\r\n行2 𠀋 ①";
  sheet().setCell(1, 1, platform::Variant(longText));
  sheet().setCell(1, 2, platform::Variant(1e300));
  sheet().setCell(1, 3, platform::Variant(-0.0));
  sheet().setCell(2, 1, platform::Variant(true));
  sheet().setCell(2, 2, platform::Variant(platform::Date{45343.5}));
  sheet().setCell(2, 3, platform::Variant(platform::Currency{12345678}));
  sheet().setCell(3, 1, platform::Variant(platform::ErrorValue{static_cast<std::int32_t>(0x800A07D7)}));
  sheet().setCell(3, 2, platform::Variant(platform::Date{0.25}));
  sheet().setCell(3, 3, platform::Variant(platform::ErrorValue{static_cast<std::int32_t>(0x800A07FA)}));
  form.Button1.click();
  const ui::TextGrid& g = form.StringGrid1.cells();
  EXPECT_EQ(g.cell(0, 1), longText);
  EXPECT_EQ(g.cell(1, 1), u"1E300");
  EXPECT_EQ(g.cell(2, 1), u"0");
  EXPECT_EQ(g.cell(0, 2), u"TRUE");
  EXPECT_EQ(g.cell(1, 2), u"2024/02/21 12:00:00");
  EXPECT_EQ(g.cell(2, 2), u"1234.5678");
  EXPECT_EQ(g.cell(0, 3), u"#DIV/0!");
  EXPECT_EQ(g.cell(1, 3), u"6:00:00");
  EXPECT_EQ(g.cell(2, 3), u"#N/A");
}

TEST_F(ReadListTest, AReadIsOneUndoStepThatGivesBackTheListAndItsListDisplay) {
  fill(1, {{u"A-1", u"10.5", u"20"}, {u"A-2", u"1", u"2"}});
  form.Button1.click();
  form.StringGrid1.keyDown('Z', {false, true, false});
  EXPECT_EQ(list(), "old,1,2,,1\n,,,,\n");
  EXPECT_TRUE(form.GroupBox2.enabled());
  EXPECT_EQ(form.StatusBar1.panelText(1), u"元に戻しました: Exceｌから");
}

}  // namespace
}  // namespace surva::sheettest
