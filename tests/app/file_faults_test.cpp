// The program's own files when the disk is full, the folder is read-only or
// has a Japanese name with a blank: a message names the file and the
// reason, the earlier file stays whole, and the program goes on.
#include <gtest/gtest.h>

#include <filesystem>

#include "read_only_folder.h"
#include "startup_fixture.h"
#include "support/full_disk.h"

namespace surva::app::testing {
namespace {

using text::u16;

class FileFaultsTest : public ::testing::Test, public StartupFixture {};

const char kIni[] = "[Form]\r\nLeft=1\r\nTop=2\r\n";
const char kList[] = "GstarCAD 2023\tGcad.Application.23\r\n";

TEST_F(FileFaultsTest, FullDiskKeepsTheSettingsAndTheTargetCadList) {
  write("surva.ini", kIni);
  write("TargetCAD_APIVersion.txt", kList);
  auto p = start();
  TTargetCADForm& d = p->targetCadForm();
  d.FormShow();
  p->mainForm().Edit19.setText(u"9");
  {
    fakes::FullDisk full;
    d.Edit1.setText(u"Other CAD");
    d.SpeedButton1.click();  // add: rewrites the list
    close(*p);               // shutdown: rewrites the settings
  }
  EXPECT_EQ(read("TargetCAD_APIVersion.txt"), kList);
  EXPECT_EQ(d.ListBox1.items().size(), 1u);
  EXPECT_EQ(ini(), kIni);
  ASSERT_EQ(fakes.dialogs.shown.size(), 2u);
  for (const auto& [m, file] : {std::pair{fakes.dialogs.shown[0].message, dir.file("TargetCAD_APIVersion.txt")},
                                std::pair{fakes.dialogs.shown[1].message, dir.file("surva.ini")}}) {
    EXPECT_NE(m.find(file), u16::npos) << text::toUtf8(m);
    EXPECT_NE(m.find(u"File too large"), u16::npos) << text::toUtf8(m);
  }
  EXPECT_EQ(filter.calls, (std::vector<std::string>{"register", "revoke"}));
}

TEST_F(FileFaultsTest, FolderWithAJapaneseNameAndABlankHoldsBothFiles) {
  std::filesystem::create_directory(dir.path() / "測点 データ");
  fakes.paths.exe = dir.file("測点 データ/surva.exe");
  {
    auto p = start();
    p->mainForm().Edit19.setText(u"9");
    TTargetCADForm& d = p->targetCadForm();
    d.FormShow();
    d.Edit1.setText(u"測点 CAD");
    d.Edit2.setText(u"Gcad.Application.23");
    d.SpeedButton1.click();
    close(*p);
  }
  auto p = start();
  EXPECT_EQ(p->mainForm().Edit19.text(), u"9");
  EXPECT_EQ(p->mainForm().text(), u"Surva2024.2.21 [ 測点 CAD ]");
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(FileFaultsTest, SimaFileOnAFullDiskOrInAReadOnlyOrJapaneseFolder) {
  std::filesystem::create_directory(dir.path() / "測点 データ");
  write("測点 データ/現場 1.sim", "earlier\r\n");
  const u16 path = dir.file("測点 データ/現場 1.sim");
  auto p = start();
  MainForm& f = p->mainForm();
  f.StringGrid1.cells().setRowCells(1, {u"P1", u"12345", u"67890", u"500"});
  f.StringGrid1.cells().setRowCells(2, {u"P2", u"22345", u"77890", u"600"});
  f.Button10.click();
  auto save = [&] {
    fakes.dialogs.saveAnswers.push_back(path);
    f.Button11.click();  // the overwrite question answers Yes
  };
  {
    fakes::FullDisk full;
    save();
  }
  {
    fakes::ReadOnlyFolder readOnly(dir.path() / "測点 データ");
    if (readOnly.active()) save();
  }
  EXPECT_EQ(read("測点 データ/現場 1.sim"), "earlier\r\n");
  ASSERT_GE(fakes.dialogs.shown.size(), 4u);
  for (std::size_t i = 1; i < fakes.dialogs.shown.size(); i += 2) {
    const u16& m = fakes.dialogs.shown[i].message;
    EXPECT_NE(m.find(path), u16::npos) << text::toUtf8(m);
    EXPECT_EQ(fakes.dialogs.shown[i].icon, platform::Icon::Error);
  }
  EXPECT_NE(fakes.dialogs.shown[1].message.find(u"File too large"), u16::npos);
  save();
  EXPECT_EQ(read("測点 データ/現場 1.sim").substr(0, 10), "G00,01,,\r\n");
  f.StringGrid1.cells().clearAll();
  fakes.dialogs.openAnswers.push_back(path);
  f.Button9.click();
  EXPECT_EQ(f.StringGrid1.cells().cell(1, 2), u"22345");
}

}  // namespace
}  // namespace surva::app::testing
