// Attaching, the up-downs that select columns and rows, the faults that
// stay silent, and the release at shutdown.
#include <gtest/gtest.h>

#include "sheet/cell_text.h"
#include "sheet_fixture.h"

namespace surva::sheettest {
namespace {

class LinkTest : public ::testing::Test, public SheetFixture {
 protected:
  std::u16string selection() { return sim::rangeAddress(sheet().selection); }
  int foregroundCalls() {
    int n = 0;
    for (auto& c : fakes.windows.calls) n += c.name == "setForegroundWindow" && c.window == excel->window;
    return n;
  }
};

TEST_F(LinkTest, AColumnUpDownShowsTheLetterAndSelectsTheColumn) {
  form.UpDown2.setPosition(3);
  form.UpDown2.click(ui::UpDownButton::Up);
  EXPECT_EQ(form.Edit4.text(), u"E");
  EXPECT_EQ(selection(), u"E:E");
  EXPECT_EQ(foregroundCalls(), 1);
  EXPECT_EQ(form.text(), u"Surva2024.2.21 [ Sheet1 ] ");

  showWindow(false);
  form.UpDown2.click(ui::UpDownButton::Up);
  EXPECT_EQ(form.Edit4.text(), u"F");
  EXPECT_EQ(selection(), u"E:E");
  EXPECT_EQ(form.EXcelHandle, 0);
}

TEST_F(LinkTest, TheZUpDownActsOnlyWithZ) {
  form.UpDown5.click(ui::UpDownButton::Up);
  EXPECT_EQ(form.Edit21.text(), u"D");
  EXPECT_EQ(excel->calls().records().size(), 0u);
  form.CheckBox8.setChecked(true);
  form.UpDown5.click(ui::UpDownButton::Up);
  EXPECT_EQ(form.Edit21.text(), u"E");
  EXPECT_EQ(selection(), u"E:E");
}

TEST_F(LinkTest, TheRowUpDownKeepsTheSheetOfTheLastAttach) {
  excel->books()[0].sheets.push_back(sim::Worksheet{u"測量2"});
  form.UpDown4.click(ui::UpDownButton::Up);  // attaches: not attached yet
  EXPECT_EQ(selection(), u"2:2");
  excel->setActive(0, 1);
  form.UpDown4.click(ui::UpDownButton::Up);
  EXPECT_EQ(sim::rangeAddress(excel->books()[0].sheets[0].selection), u"3:3");
  EXPECT_EQ(form.text(), u"Surva2024.2.21 [ Sheet1 ] ");
  form.UpDown1.click(ui::UpDownButton::Up);
  EXPECT_EQ(selection(), u"B:B");
  EXPECT_EQ(form.text(), u"Surva2024.2.21 [ 測量2 ] ");
  EXPECT_EQ(excel->books()[0].sheets[0].selection, (sim::SheetRange{sim::SheetRange::Kind::Row, 3, 1}));
}

TEST_F(LinkTest, FaultsOfTheAttachAreSilent) {
  auto tryAll = [&] {
    form.UpDown1.click(ui::UpDownButton::Up);
    form.UpDown4.click(ui::UpDownButton::Up);
    form.Button5.click();
    form.Button1.click();
  };
  form.StringGrid1.cells().setRowCells(1, {u"A", u"1", u"2"});
  // The window without a registered object.
  automation.unregisterClass(kProgId);
  tryAll();
  EXPECT_EQ(form.EXcelHandle, 0);
  automation.registerClass(kProgId, classId);
  // No workbook open.
  excel->closeAllBooks();
  tryAll();
  EXPECT_EQ(form.EXcelHandle, 0);
  EXPECT_EQ(form.StringGrid1.cells().cell(0, 1), u"A");
  EXPECT_EQ(form.text(), u"Surva2023");
  // A chart sheet active: no worksheet to use.
  excel->books().push_back({u"Book2", {sim::Worksheet{u"グラフ1", true}}, 0});
  excel->setActive(0, 0);
  tryAll();
  EXPECT_EQ(form.EXcelHandle, 0);
  EXPECT_EQ(form.text(), u"Surva2024.2.21 - Book2");
  EXPECT_EQ(form.StringGrid1.cells().cell(0, 1), u"A");
  EXPECT_EQ(excel->calls().count(u"Cells") + excel->calls().count(u"Rows"), 0u);
  EXPECT_TRUE(fakes.dialogs.shown.empty());
  EXPECT_EQ(foregroundCalls(), 0);
}

TEST_F(LinkTest, ASheetWithoutTypeIsUsedAsAWorksheet) {
  excel->sheetsLackType = true;
  fill(1, {{u"P1", u"10", u"20"}});
  form.Button1.click();
  EXPECT_EQ(listText(form.StringGrid1.cells()), "P1,10,20,,1\n");
  EXPECT_EQ(form.text(), u"Surva2024.2.21 [ Sheet1 ] ");
}

TEST_F(LinkTest, ShutdownReleasesTheSheetObjects) {
  form.UpDown1.click(ui::UpDownButton::Up);
  ASSERT_TRUE(form.WorkSheet && form.WorkBook && form.MSExcel);
  std::weak_ptr<platform::Object> sheetObject = form.WorkSheet;
  form.FormClose();
  EXPECT_FALSE(form.WorkSheet || form.WorkBook || form.MSExcel);
  EXPECT_TRUE(sheetObject.expired());
}

TEST(CellTextTest, KindsBeyondNumbersAndTexts) {
  using platform::Variant;
  EXPECT_EQ(sheet::CellText(Variant(false)), u"FALSE");
  EXPECT_EQ(sheet::CellText(Variant(std::int32_t(-12))), u"-12");
  EXPECT_EQ(sheet::CellText(Variant(0.1 + 0.2)), u"0.3");
  EXPECT_EQ(sheet::CellText(Variant(platform::Date{1.0})), u"1899/12/31");
  EXPECT_EQ(sheet::CellText(Variant(platform::Date{-1.25})), u"1899/12/29 6:00:00");
  EXPECT_EQ(sheet::CellText(Variant(platform::Date{2958465.999988426})), u"9999/12/31 23:59:59");
  EXPECT_EQ(sheet::CellText(Variant(platform::Currency{-922337203685477580LL * 10 - 8})),
            u"-922337203685477.5808");
  EXPECT_EQ(sheet::CellText(Variant(platform::Currency{50000})), u"5");
  EXPECT_EQ(sheet::CellText(Variant(platform::ErrorValue{2023})), u"#REF!");
  EXPECT_THROW(sheet::CellText(Variant::point(1, 2, 3)), Failure);
}

}  // namespace
}  // namespace surva::sheettest
