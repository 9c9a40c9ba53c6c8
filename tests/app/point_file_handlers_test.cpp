// Point files through the main list's pop-up menu: the read replaces the
// list as the worksheet read does, a failed or empty read keeps it, and the
// save asks only the overwrite question.
#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "sheet/point_file.h"

using namespace surva;
using surva::app::testing::MainFormFixture;
using text::u16;

TEST(PointFileHandlers, OpenReplacesTheListAndKeepsItWhenNothingIsRead) {
  MainFormFixture f;
  auto& form = f.form;
  auto& main = form.StringGrid1.cells();
  main.setRowCount(4);
  main.setRowCells(1, {u"old", u"1", u"2", u"", u"1"});
  form.GroupBox2.setEnabled(true);
  form.StatusBar1.setPanelText(1, u"harvest summary");

  f.fakes.files.files[u"C:\\p.csv"] = "\xE6\xB8\xAC,10,20,5\nB,30,40\n";  // UTF-8, no mark
  form.CheckBox8.click();  // Z on: column D
  f.fakes.dialogs.openAnswers.push_back(u"C:\\p.csv");
  form.N32.click();
  EXPECT_EQ(f.fakes.dialogs.fileRequests.at(0).filter, sheet::kPointFileFilter);
  ASSERT_EQ(main.rowCount(), 3);
  EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"測", u"10", u"20", u"5", u"1"}));
  EXPECT_EQ(main.rowCells(2), (std::vector<u16>{u"B", u"30", u"40", u"", u"2"}));
  EXPECT_FALSE(form.GroupBox2.enabled());
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");

  // No point in the file, an unreadable file: the list stays, a message says why.
  f.fakes.files.files[u"C:\\empty.csv"] = "name,x,y\r\n,,\r\n";
  f.fakes.files.files[u"C:\\bad.csv"] = "a,1,\"2\r\n";
  for (const char16_t* path : {u"C:\\empty.csv", u"C:\\bad.csv", u"C:\\missing.csv"}) {
    f.fakes.dialogs.shown.clear();
    f.fakes.dialogs.openAnswers.push_back(path);
    if (u16(path) == u"C:\\empty.csv") form.UpDown4.setPosition(2);
    form.N32.click();
    ASSERT_EQ(f.fakes.dialogs.shown.size(), 1u) << text::toUtf8(path);
    EXPECT_NE(f.fakes.dialogs.shown[0].message.find(path), u16::npos);
    EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"測", u"10", u"20", u"5", u"1"}));
    form.UpDown4.setPosition(1);
  }
}

TEST(PointFileHandlers, SaveAsksOnlyBeforeOverwritingAndSaysWhenItWroteUtf8) {
  MainFormFixture f;
  auto& form = f.form;
  auto& main = form.StringGrid1.cells();
  form.N33.click();  // an empty list: no dialog
  EXPECT_TRUE(f.fakes.dialogs.fileRequests.empty());

  main.setRowCount(3);
  main.setRowCells(1, {u"測", u"1.0", u"2", u"", u"1"});
  main.setRowCells(2, {u"007", u"-3", u"4", u"", u"2"});
  f.fakes.dialogs.saveAnswers.push_back(u"C:\\out");
  form.N33.click();
  EXPECT_EQ(f.fakes.files.files.at(u"C:\\out.csv"), "\x91\xAA,1.0,2\r\n007,-3,4\r\n");
  EXPECT_TRUE(f.fakes.dialogs.shown.empty());
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");

  main.setCell(0, 2, u"\u00E9");  // not in the code page
  f.fakes.dialogs.saveAnswers.push_back(u"C:\\out.csv");
  f.fakes.dialogs.answers.push_back(platform::Answer::No);
  form.N33.click();  // declined: the file stays
  EXPECT_EQ(f.fakes.dialogs.shown.at(0).message, u"すでにファイルが存在します．上書きしますか？");
  EXPECT_EQ(f.fakes.files.files.at(u"C:\\out.csv"), "\x91\xAA,1.0,2\r\n007,-3,4\r\n");

  f.fakes.dialogs.saveAnswers.push_back(u"C:\\out.txt");
  form.N33.click();
  EXPECT_EQ(f.fakes.files.files.at(u"C:\\out.txt"), "\xEF\xBB\xBF\xE6\xB8\xAC\t1.0\t2\r\n\xC3\xA9\t-3\t4\r\n");
  EXPECT_EQ(form.StatusBar1.panelText(1), sheet::kSavedAsUtf8);

  // A failed write names the file and leaves the earlier one whole.
  f.fakes.files.failWrites = true;
  f.fakes.dialogs.shown.clear();
  f.fakes.dialogs.saveAnswers.push_back(u"C:\\out.csv");
  form.N33.click();
  ASSERT_EQ(f.fakes.dialogs.shown.size(), 2u);  // the question, then the error
  EXPECT_NE(f.fakes.dialogs.shown[1].message.find(u"C:\\out.csv"), u16::npos);
  EXPECT_EQ(f.fakes.files.files.at(u"C:\\out.csv"), "\x91\xAA,1.0,2\r\n007,-3,4\r\n");
}

TEST(PointFileHandlers, ADroppedFileReadsAsItsMenuOrButtonAndAnythingElseIsRefused) {
  MainFormFixture f;
  auto& form = f.form;
  auto& main = form.StringGrid1.cells();
  f.fakes.files.files[u"C:\\a.sim"] = "A01,1,S1,1,2,3,\r\n";
  f.fakes.files.files[u"C:\\b.TXT"] = "P1\t5\t6\r\n";
  form.CheckBox12.setChecked(false);
  form.CheckBox13.setChecked(false);
  form.dropFiles({u"C:\\a.sim"});
  EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"S1", u"1", u"2", u"3", u"1"}));
  EXPECT_EQ(form.StringGrid3.cells().cell(2, 1), u"S1");
  form.dropFiles({u"C:\\b.TXT"});
  EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"P1", u"5", u"6", u"", u"1"}));
  EXPECT_TRUE(f.fakes.dialogs.fileRequests.empty());  // no dialog for a drop

  for (const auto& paths : {std::vector<u16>{u"C:\\a.sim", u"C:\\b.TXT"}, std::vector<u16>{u"C:\\folder"},
                            std::vector<u16>{u"C:\\c.dxf"}}) {
    f.fakes.dialogs.shown.clear();
    form.dropFiles(paths);
    ASSERT_EQ(f.fakes.dialogs.shown.size(), 1u);
    EXPECT_EQ(f.fakes.dialogs.shown[0].message, app::MainForm::kDropOneFile);
    EXPECT_EQ(main.rowCells(1), (std::vector<u16>{u"P1", u"5", u"6", u"", u"1"}));
  }
}
