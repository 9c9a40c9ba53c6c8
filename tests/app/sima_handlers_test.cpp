// The SIMA tabs through the main window: reading with its dialog and check
// boxes, building the write list and saving it.
#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "sima/sima_transfer.h"
#include "sima/sima_write_list.h"

using namespace surva;
using surva::app::testing::MainFormFixture;
using text::u16;

TEST(SimaHandlers, ReadFillsBothListsAndTheCheckBoxesTransferAgain) {
  MainFormFixture f;
  auto& form = f.form;
  form.StatusBar1.setPanelText(1, u"harvest summary");
  form.GroupBox2.setEnabled(true);  // as a harvest leaves it
  form.Button9.click();  // cancelled: nothing changes
  EXPECT_EQ(f.fakes.dialogs.fileRequests.at(0).filter, u"*.sim|*.sim|*.*|*.*");
  EXPECT_TRUE(form.GroupBox2.enabled());

  f.fakes.files.files[u"C:\\in.sim"] = "G00,01,,\r\nA00,\r\nA01,1,\x91\xAA,100.5,200.25,10,\r\nA99,\r\n";
  f.fakes.dialogs.openAnswers.push_back(u"C:\\in.sim");
  auto& store = form.state().harvest;
  store.texts.resize(1);
  store.points.resize(1);
  store.ellipses.resize(1);
  form.Button9.click();
  EXPECT_TRUE(store.texts.empty() && store.points.empty());
  EXPECT_EQ(store.ellipses.size(), 1u);  // not among the arrays a read empties
  EXPECT_FALSE(form.GroupBox2.enabled());
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");
  auto& main = form.StringGrid1.cells();
  EXPECT_EQ(main.rowCount(), 2);
  EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"測", u"200250", u"100500", u"10000", u"1"}));
  EXPECT_EQ(form.StringGrid3.cells().cell(4, 1), u"200.25");

  form.CheckBox13.click();  // "×1000" off: the file's texts again
  EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"測", u"200.25", u"100.5", u"10", u"1"}));
  form.CheckBox12.click();  // "X-Y 反転" off
  form.CheckBox13.click();  // "×1000" on: multiplied once
  EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"測", u"100500", u"200250", u"10000", u"1"}));

  // A file that cannot be read: the general error report, both lists kept.
  f.fakes.dialogs.openAnswers.push_back(u"C:\\gone.sim");
  form.Button9.click();
  ASSERT_EQ(f.fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.fakes.dialogs.shown[0].icon, platform::Icon::Error);
  EXPECT_NE(f.fakes.dialogs.shown[0].message.find(u"C:\\gone.sim"), u16::npos);
  EXPECT_EQ(main.cell(0, 1), u"測");
}

TEST(SimaHandlers, TheBoxesReplaceOnlyTheLastTransferUnasked) {
  MainFormFixture f;
  auto& form = f.form;
  auto& main = form.StringGrid1.cells();
  main.setRowCells(1, {u"mine", u"1", u"2"});
  form.CheckBox13.click();  // before any read: only the option
  form.CheckBox13.click();
  EXPECT_EQ(main.cell(0, 1), u"mine");

  f.fakes.files.files[u"C:\\in.sim"] = "A01,1,P1,1,2,3,\r\nA01,2,P2,,2,3,\r\nA01,3,P3,7,8,9,\r\n";
  f.fakes.dialogs.openAnswers.push_back(u"C:\\in.sim");
  form.Button9.click();
  form.CheckBox13.click();  // "×1000" off: every row back in the file's unit, unasked
  EXPECT_EQ(main.rowCells(3), (std::vector<u16>{u"P3", u"8", u"7", u"9", u"3"}));
  EXPECT_TRUE(f.fakes.dialogs.shown.empty());

  main.setCell(0, 1, u"edited");
  f.fakes.dialogs.answers.push_back(platform::Answer::No);
  form.CheckBox13.click();
  ASSERT_EQ(f.fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.fakes.dialogs.shown[0].message, sima::kSimaMainListChanged);
  EXPECT_EQ(main.cell(0, 1), u"edited");
  EXPECT_TRUE(form.CheckBox13.checked());
  form.CheckBox13.click();  // Yes
  EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"P1", u"2", u"1", u"3", u"1"}));
  EXPECT_EQ(f.fakes.dialogs.shown.size(), 2u);
}

TEST(SimaHandlers, WriteListIsRebuiltByTheCheckBoxesAndSaved) {
  MainFormFixture f;
  auto& form = f.form;
  auto& main = form.StringGrid1.cells();
  main.setRowCount(3);
  main.setRowCells(1, {u"P1", u"12345", u"67890", u"500"});
  main.setRowCells(2, {u"P2", u"22345", u"77890", u"600"});
  form.Edit30.setText(u"A1");
  form.CheckBox14.setChecked(true);
  form.CheckBox15.setChecked(true);
  form.Button10.click();
  auto& write = form.StringGrid4.cells();
  EXPECT_EQ(write.cell(3, 2), u"67.890");
  write.setCell(3, 2, u"edited");
  form.CheckBox15.click();  // "X-Y 反転" rebuilds, the edit is gone
  EXPECT_EQ(write.cell(3, 2), u"12.345");
  form.CheckBox15.click();

  f.fakes.dialogs.saveAnswers.push_back(u"C:\\out");
  form.Button11.click();
  const std::string& bytes = f.fakes.files.files.at(u"C:\\out.sim");
  EXPECT_NE(bytes.find("\r\nA01,    2,A2,77.890,22.345,0.600,\r\nA99,\r\n"), std::string::npos);
  EXPECT_TRUE(f.fakes.dialogs.shown.empty());

  // A new list without Z (as a worksheet read leaves it) builds nothing, and says so.
  main.setCell(3, 1, u"");
  form.Button10.click();
  ASSERT_EQ(f.fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.fakes.dialogs.shown[0].message, sima::kFirstRowIncomplete);
  form.CheckBox14.click();  // nor can the boxes reshape it
  EXPECT_EQ(f.fakes.dialogs.shown.size(), 2u);
  EXPECT_EQ(write.cell(3, 2), u"67.890");
}
