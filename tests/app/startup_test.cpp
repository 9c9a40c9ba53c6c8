#include <gtest/gtest.h>

#include <filesystem>

#include "startup_fixture.h"
#include "read_only_folder.h"

namespace surva::app::testing {
namespace {

using text::u16;

class StartupTest : public ::testing::Test, public StartupFixture {};

const std::string kFirstExit =
    "[Form]\r\nLeft=756\r\nTop=288\r\n\r\n"
    "[Excel]\r\nColN=0\r\nColX=1\r\nColY=2\r\nColZ=3\r\nFlagZ=0\r\nRowS=1\r\nDlm=-\r\n\r\n"
    "[AutoCAD]\r\nPLINE=0\r\nPOINT=1\r\nCIRCLE=1\r\nSORT=0\r\nStrN=1\r\nStrP=1\r\nClose=0\r\n"
    "RoundOff=3\r\nIDRoundOff=0\r\nCheckTextLayer=0\r\nTextLayerName=\r\nStrPZ=0\r\nStrPYX=1\r\nStrPSC=1\r\n\r\n"
    "[Layer]\r\nPLINE=SURVA_PLINE\r\nPOINT=SURVA_POINT\r\nCIRCLE=SURVA_CIRCLE\r\nTEXTPT=SURVA_TEXTPT\r\n"
    "TEXTXY=SURVA_TEXTXY\r\nTBLLINE=SURVA_TBLLINE\r\nTBLTEXT=SURVA_TBLTEXT\r\n\r\n"
    "[TextSize]\r\nTEXTPT=2.5\r\nTEXTAREA=5.0\r\nTEXTXY=1.8\r\nTBLTEXT=2.5\r\nCIRCLE=5.0\r\nKetasuu=3\r\n\r\n"
    "[TableSize]\r\nHeight=5.0\r\nWidth1=25.0\r\nWidth2=30.0\r\n\r\n"
    "[DXF]\r\nUCS=0\r\nSleep=500\r\n\r\n"
    "[TableScale]\r\n1/1000=0\r\n\r\n"
    "[SIMAW]\r\n1/1000=1\r\nXYREV=1\r\nHEAD=A1\r\n\r\n"
    "[IDOPTION]\r\nINT=1\r\nChk19=1\r\nChk20=1\r\nEdt33=101\r\nEdt34=2.5\r\n\r\n"
    "[Draw]\r\nCheckBox21=0\r\nCheckBox22=0\r\nCheckBox23=0\r\nCheckBox26=0\r\n\r\n"
    "[DIMSCALE]\r\nCheckBox24=1\r\nCheckBox25=1\r\n\r\n"
    "[LISTUP]\r\nCheckBox27=0\r\n\r\n"
    "[POLYLINE]\r\n3D=0\r\n\r\n"
    "[Target]\r\nProgID=Gcad.Application.23\r\n";

TEST_F(StartupTest, FirstStartTakesTheDefaultsOverTheWindowDesign) {
  auto p = start();
  MainForm& f = p->mainForm();
  EXPECT_EQ(f.text(), u"Surva2023");
  EXPECT_EQ(f.bounds().left, (1920 - f.outerWidth()) / 2);
  EXPECT_EQ(f.bounds().top, (1080 - f.outerHeight()) / 2);
  EXPECT_TRUE(f.CheckBox14.checked());
  EXPECT_TRUE(f.CheckBox15.checked());
  EXPECT_TRUE(f.CheckBox19.checked());
  EXPECT_FALSE(f.CheckBox5.checked());
  EXPECT_FALSE(f.CheckBox28.checked());
  EXPECT_EQ(f.Edit1.text(), u"2.5");
  EXPECT_EQ(f.Edit17.text(), u"30.0");
  EXPECT_EQ(f.Edit33.text(), u"101");
  EXPECT_EQ(f.Edit30.text(), u"A1");
  EXPECT_EQ(f.Edit7.text(), u"-");
  EXPECT_EQ(f.Edit26.text(), u"500");
  EXPECT_EQ(f.Edit31.text(), u"");
  EXPECT_EQ(f.Edit3.text() + f.Edit4.text() + f.Edit5.text() + f.Edit21.text(), u"ABCD");
  EXPECT_FALSE(f.Edit21.enabled());
  EXPECT_EQ(f.Button12.text(), u"ID (INT)");
  EXPECT_EQ(f.Edit35.text(), u"");
  EXPECT_EQ(f.PageControl1.activePageIndex(), 0);
  EXPECT_EQ(p->state().targetProgId, u"Gcad.Application.23");
  EXPECT_EQ(p->state().exchangeDxfPath, dir.file("surva.dxf"));
  EXPECT_EQ(f.StringGrid1.cells().colCount(), 5);
  EXPECT_EQ(f.StringGrid1.cells().cell(4, 0), u" PLOT No.");
  EXPECT_EQ(f.StringGrid2.cells().cell(0, 0), u" TEXT");
  EXPECT_EQ(f.StringGrid4.cells().cell(1, 0), u" 点番号");
  EXPECT_EQ(filter.calls, std::vector<std::string>{"register"});
  EXPECT_EQ(ini(), "<missing>");

  close(*p);
  EXPECT_EQ(ini(), kFirstExit);
  EXPECT_EQ(filter.calls, (std::vector<std::string>{"register", "revoke"}));
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(StartupTest, ChangedValuesSurviveARestart) {
  {
    auto p = start();
    p->mainForm().Edit19.setText(u"7");
    p->mainForm().Edit14.setText(u"4");
    p->mainForm().CheckBox8.setChecked(true);
    p->mainForm().UpDown5.setPosition(7);
    p->mainForm().moveTo(-300, 40);
    close(*p);
  }
  auto p = start();
  MainForm& f = p->mainForm();
  EXPECT_EQ(f.Edit19.text(), u"7");
  EXPECT_EQ(f.Edit14.text(), u"4");
  EXPECT_TRUE(f.Edit21.enabled());
  EXPECT_EQ(f.Edit21.text(), u"H");
  EXPECT_EQ(f.bounds().left, -300);  // left of the screen is not corrected
  EXPECT_EQ(f.bounds().top, 40);
  std::string before = ini();
  close(*p);
  EXPECT_EQ(ini(), before);  // nothing changed, nothing moves
}

TEST_F(StartupTest, HandWrittenFileIsReadLeniently) {
  write("surva.ini",
        "; edited by hand\r\n"
        "[form]\r\nleft = 5000\r\nTOP=0x20\r\n"
        "[excel]\r\nCOLN=40\r\ncolx=0x2\r\nRowS=abc\r\nFlagZ=2\r\n"
        "[textsize]\r\nKETASUU=5\r\n"
        "[DXF]\r\nSleep=0x10\r\n"
        "[IDOPTION]\r\nINT=0\r\n"
        "[AutoCAD]\r\nStrP=0\r\nStrPZ=1\r\n"
        "[Draw]\r\nCheckBox21=1\r\n"
        "[Mine]\r\nkeep=this\r\n");
  auto p = start();
  MainForm& f = p->mainForm();
  EXPECT_EQ(f.bounds().left, 1920 - f.outerWidth());
  EXPECT_EQ(f.bounds().top, 32);
  EXPECT_EQ(f.UpDown1.position(), 25);  // brought into the range before the letter
  EXPECT_EQ(f.Edit3.text(), u"Z");
  EXPECT_EQ(f.Edit4.text(), u"C");
  EXPECT_EQ(f.UpDown4.position(), 1);
  EXPECT_TRUE(f.CheckBox8.checked());
  EXPECT_TRUE(f.Edit21.enabled());
  EXPECT_TRUE(f.UpDown5.enabled());
  EXPECT_EQ(f.Edit20.text(), u"5");
  EXPECT_EQ(f.Edit26.text(), u"16");
  EXPECT_EQ(f.Button12.text(), u"ID");
  EXPECT_TRUE(f.CheckBox11.checked());
  EXPECT_FALSE(f.CheckBox11.enabled());
  EXPECT_TRUE(f.CheckBox5.enabled());

  f.Edit26.setText(u"soon");
  close(*p);
  std::string out = ini();
  EXPECT_EQ(out.rfind("; edited by hand\r\n[form]\r\nleft=", 0), 0u) << out;
  EXPECT_NE(out.find("[Mine]\r\nkeep=this\r\n"), std::string::npos);
  EXPECT_NE(out.find("[textsize]\r\nKetasuu=5\r\nTEXTPT=2.5\r\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("KETASUU"), std::string::npos);
  EXPECT_NE(out.find("Sleep=500\r\n"), std::string::npos);
  EXPECT_NE(out.find("COLN=25\r\ncolx=2\r\nRowS=1\r\nFlagZ=1\r\nColY=2"), std::string::npos) << out;
}

TEST_F(StartupTest, RestoredCheckBoxesRunTheirHandlersWithTheSettingsReadSoFar) {
  write("surva.ini", "[AutoCAD]\r\nPLINE=1\r\nPOINT=1\r\n[Target]\r\nProgID=AutoCAD.Application\r\n");
  // Bind recorders in place of the handlers before start-up runs.
  AppState state;
  MainForm f(fakes.services, state, &backend);
  std::vector<u16> plineSaw;
  int pointClicks = 0, simaWriteClicks = 0;
  f.CheckBox1.onClick = [&] { plineSaw.push_back(state.targetProgId); };
  f.CheckBox2.onClick = [&] { ++pointClicks; };
  f.CheckBox14.onClick = [&] { ++simaWriteClicks; };
  f.CheckBox15.onClick = [&] { ++simaWriteClicks; };
  f.FormCreate();
  EXPECT_EQ(plineSaw, std::vector<u16>{u"Gcad.Application.23"});
  EXPECT_EQ(pointClicks, 0);  // already checked in the design
  EXPECT_EQ(simaWriteClicks, 2);
  EXPECT_EQ(state.targetProgId, u"AutoCAD.Application");
}

TEST_F(StartupTest, CaptionNamesTheTargetFromTheTargetCadList) {
  write("TargetCAD_APIVersion.txt", "AutoCAD 2024\tAutoCAD.Application.24\r\nGstarCAD 2023\tGcad.Application.23\r\n");
  {
    auto p = start();
    EXPECT_EQ(p->mainForm().text(), u"Surva2024.2.21 [ GstarCAD 2023 ]");
    EXPECT_EQ(p->mainForm().Edit35.text(), u"GstarCAD 2023");
    EXPECT_EQ(p->mainForm().Edit36.text(), u"Gcad.Application.23");
    p->state().targetProgId = u"AutoCAD.Application";
    close(*p);
  }
  auto p = start();  // the saved target is the beginning of a listed ProgID
  EXPECT_EQ(p->mainForm().text(), u"Surva2024.2.21 [ AutoCAD 2024 ]");
  EXPECT_EQ(p->mainForm().Edit36.text(), u"AutoCAD.Application.24");

  write("TargetCAD_APIVersion.txt", "autocad.application\tx\r\nNo tab AutoCAD.Application\r\n");
  auto q = start();
  EXPECT_EQ(q->mainForm().text(), u"Surva2023");
  EXPECT_EQ(q->mainForm().Edit35.text(), u"");
}

TEST_F(StartupTest, SettingsFolderThatCannotBeWrittenKeepsTheOldFile) {
  write("surva.ini", "[Form]\r\nLeft=1\r\nTop=2\r\n");
  auto p = start();
  p->mainForm().Edit19.setText(u"9");
  {
    fakes::ReadOnlyFolder readOnly(dir.path());
    if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
    close(*p);
  }
  EXPECT_EQ(ini(), "[Form]\r\nLeft=1\r\nTop=2\r\n");
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  const auto& m = fakes.dialogs.shown[0];
  EXPECT_NE(m.message.find(dir.file("surva.ini")), u16::npos) << text::toUtf8(m.message);
  EXPECT_EQ(m.caption, u"Surva2024.2.21");
  EXPECT_EQ(m.icon, platform::Icon::Error);
  EXPECT_EQ(filter.calls, (std::vector<std::string>{"register", "revoke"}));
}

TEST_F(StartupTest, SettingsFileThatCannotBeReadIsReportedAndNeverOverwritten) {
  std::filesystem::create_directory(dir.path() / "surva.ini");  // exists, cannot be read as a file
  auto p = start();
  EXPECT_EQ(p->mainForm().Edit1.text(), u"2.5");
  close(*p);
  ASSERT_EQ(fakes.dialogs.shown.size(), 2u);  // at start and at exit
  EXPECT_NE(fakes.dialogs.shown[1].message.find(dir.file("surva.ini")), u16::npos);
  EXPECT_TRUE(std::filesystem::is_directory(dir.path() / "surva.ini"));
  EXPECT_EQ(filter.calls, (std::vector<std::string>{"register", "revoke"}));
}

TEST_F(StartupTest, SettingsUnreadAtStartAreNotWrittenOverAtExit) {
  std::filesystem::create_directory(dir.path() / "surva.ini");  // locked at start, say
  auto p = start();
  std::filesystem::remove(dir.path() / "surva.ini");
  write("surva.ini", "[TextSize]\r\nCIRCLE=9\r\n");  // readable again by the exit
  close(*p);
  EXPECT_EQ(ini(), "[TextSize]\r\nCIRCLE=9\r\n");
  ASSERT_EQ(fakes.dialogs.shown.size(), 2u);  // why at start, and at exit that nothing was saved
  EXPECT_NE(fakes.dialogs.shown[1].message.find(u"保存しませんでした"), u16::npos)
      << text::toUtf8(fakes.dialogs.shown[1].message);
  EXPECT_NE(fakes.dialogs.shown[1].message.find(dir.file("surva.ini")), u16::npos);
}

TEST_F(StartupTest, TheEndOfTheSessionShutsDownOnce) {
  auto p = start();
  p->mainForm().Edit19.setText(u"7");
  p->mainForm().endSession();
  p->mainForm().Edit19.setText(u"8");
  close(*p);  // a close that follows changes nothing more
  EXPECT_NE(ini().find("CIRCLE=7\r\n"), std::string::npos);
  EXPECT_EQ(filter.calls, (std::vector<std::string>{"register", "revoke"}));
}

TEST_F(StartupTest, PlacementIsInScreenPixelsAtEveryDpi) {
  for (int dpi : {96, 120, 144, 192}) {
    backend.dpi = dpi;
    std::filesystem::remove(dir.path() / "surva.ini");
    auto p = start();
    int w = 0, h = 0;
    p->mainForm().outerSizeOnPrimary(w, h);
    EXPECT_EQ(w, (p->mainForm().outerWidth() * dpi + 48) / 96);
    EXPECT_EQ(p->mainForm().bounds().left, (1920 - w) / 2) << dpi;  // centred, whole on the screen
    EXPECT_EQ(p->mainForm().bounds().top, (1080 - h) / 2) << dpi;
    write("surva.ini", "[Form]\r\nLeft=5000\r\nTop=5000\r\n");
    p = start();
    EXPECT_EQ(p->mainForm().bounds().left + w, 1920) << dpi;
    EXPECT_EQ(p->mainForm().bounds().top + h, 1080) << dpi;
    write("surva.ini", "[Form]\r\nLeft=-5000\r\nTop=0\r\n");  // a monitor that is gone
    p = start();
    EXPECT_EQ(p->mainForm().bounds().left, (1920 - w) / 2) << dpi;
  }
}

}  // namespace
}  // namespace surva::app::testing
