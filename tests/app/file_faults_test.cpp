// The program's own files when the disk is full or the folder has a
// Japanese name with a blank: a message names the file and the reason, the
// earlier file stays whole, and the program goes on.
#include <gtest/gtest.h>

#include <filesystem>

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

}  // namespace
}  // namespace surva::app::testing
