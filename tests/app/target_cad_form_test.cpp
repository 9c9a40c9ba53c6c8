#include <gtest/gtest.h>

#include "read_only_folder.h"
#include "startup_fixture.h"

namespace surva::app::testing {
namespace {

using text::u16;
using Items = std::vector<u16>;

class TargetCadFormTest : public ::testing::Test, public StartupFixture {
 protected:
  TargetCadFormTest() { program = start(); }
  // Opens the dialog with "編集"; `user` acts in it and closes it.
  void openDialog(const std::function<void(TTargetCADForm&)>& user) {
    int before = static_cast<int>(backend.modalShown.size());
    backend.onShowModal = [&](ui::Form&) {
      user(dialog());
      return ui::ModalResult::None;  // the button pressed decides
    };
    main().SpeedButton5.click();
    ASSERT_EQ(static_cast<int>(backend.modalShown.size()), before + 1) << "the dialog was not shown";
  }
  MainForm& main() { return program->mainForm(); }
  TTargetCADForm& dialog() { return program->targetCadForm(); }
  std::string list() const { return read("TargetCAD_APIVersion.txt"); }
  std::unique_ptr<Program> program;
};

const char kTwoCads[] = "GstarCAD 2023\tGcad.Application.23\r\nAutoCAD 2024\tAutoCAD.Application.24\r\n";

TEST_F(TargetCadFormTest, DialogLooksAsDesigned) {
  TTargetCADForm& d = dialog();
  EXPECT_EQ(d.text(), u"ターゲット CAD");
  EXPECT_EQ(d.clientWidth(), 315);
  EXPECT_EQ(d.clientHeight(), 307);
  EXPECT_EQ(d.positionMode(), ui::FormPosition::ScreenCenter);
  EXPECT_EQ(d.borderStyle(), ui::BorderStyle::Dialog);
  EXPECT_EQ(d.ListBox1.bounds(), (ui::Rect{8, 8, 297, 137}));
  EXPECT_EQ(d.Edit2.parent(), &d.GroupBox1);
  EXPECT_EQ(d.SpeedButton1.text() + d.SpeedButton2.text() + d.SpeedButton3.text(), u"追加削除変更");
  EXPECT_EQ(d.Button2.text(), u"取り消し");
  EXPECT_TRUE(d.Edit1.imeOff());
  EXPECT_FALSE(d.visible());
}

TEST_F(TargetCadFormTest, OkMakesTheFieldsTheTargetAndLeavesTheFileAlone) {
  write("TargetCAD_APIVersion.txt", kTwoCads);
  openDialog([](TTargetCADForm& d) {
    EXPECT_EQ(d.ListBox1.items(),
              (Items{u"AutoCAD 2024\tAutoCAD.Application.24", u"GstarCAD 2023\tGcad.Application.23"}));
    EXPECT_EQ(d.ListBox1.itemIndex(), 1);
    EXPECT_EQ(d.Edit1.text(), u"GstarCAD 2023");
    EXPECT_EQ(d.Edit2.text(), u"Gcad.Application.23");
    d.Edit1.setText(u"My CAD");
    d.Edit2.setText(u"My.Application");
    d.Button1.click();
  });
  EXPECT_EQ(main().text(), u"Surva2024.2.21 [ My CAD ]");
  EXPECT_EQ(main().Edit35.text(), u"My CAD");
  EXPECT_EQ(main().Edit36.text(), u"My.Application");
  EXPECT_EQ(program->state().targetProgId, u"My.Application");
  EXPECT_EQ(list(), kTwoCads);
  EXPECT_FALSE(dialog().visible());
}

TEST_F(TargetCadFormTest, CancelKeepsTheTargetButNotTheUndoOfAnAdd) {
  openDialog([](TTargetCADForm& d) {
    EXPECT_TRUE(d.ListBox1.items().empty());
    d.Edit1.setText(u"");
    d.Edit2.setText(u"ZWCAD.Application");
    d.SpeedButton1.click();
    d.Button2.click();
  });
  EXPECT_EQ(list(), "\tZWCAD.Application\r\n");
  EXPECT_EQ(program->state().targetProgId, u"Gcad.Application.23");
  EXPECT_EQ(main().text(), u"Surva2023");
  // Hidden, not destroyed: the next showing starts from the file again.
  openDialog([](TTargetCADForm& d) {
    EXPECT_EQ(d.ListBox1.items(), Items{u"\tZWCAD.Application"});
    d.Button2.click();
  });
}

TEST_F(TargetCadFormTest, EnterInAFieldChangesTheEntryInUtf16AndIsSwallowed) {
  write("TargetCAD_APIVersion.txt", std::string("\xFF\xFE" "B\0\t\0" "2\0\r\0\n\0" "A\0\t\0" "1\0\r\0\n\0", 22));
  openDialog([](TTargetCADForm& d) {
    d.ListBox1.click(0);
    EXPECT_EQ(d.Edit1.text(), u"A");
    d.Edit1.setText(u"Z");
    EXPECT_TRUE(d.Edit1.keyDown(ui::keys::Return));  // consumed: no beep, no default button
    EXPECT_EQ(d.ListBox1.items(), (Items{u"Z\t1", u"B\t2"}));  // not re-sorted yet
    EXPECT_EQ(d.ListBox1.itemIndex(), 0);
    EXPECT_FALSE(d.Edit2.keyDown('A'));
    d.Button2.click();
  });
  EXPECT_EQ(list(), std::string("\xFF\xFE" "Z\0\t\0" "1\0\r\0\n\0" "B\0\t\0" "2\0\r\0\n\0", 22));
  openDialog([](TTargetCADForm& d) {
    EXPECT_EQ(d.ListBox1.items(), (Items{u"B\t2", u"Z\t1"}));
    d.Button2.click();
  });
}

TEST_F(TargetCadFormTest, ListThatCannotBeWrittenIsReportedAndStaysAsTheFile) {
  write("TargetCAD_APIVersion.txt", kTwoCads);
  fakes::ReadOnlyFolder readOnly(dir.path());
  if (!readOnly.active()) GTEST_SKIP() << "no way to make a folder read-only here";
  openDialog([](TTargetCADForm& d) {
    d.SpeedButton2.click();
    EXPECT_EQ(d.ListBox1.items().size(), 2u);
    EXPECT_EQ(d.ListBox1.itemIndex(), 1);
    d.Button2.click();
  });
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_NE(fakes.dialogs.shown[0].message.find(u"TargetCAD_APIVersion.txt"), u16::npos);
  EXPECT_EQ(list(), kTwoCads);
}

}  // namespace
}  // namespace surva::app::testing
