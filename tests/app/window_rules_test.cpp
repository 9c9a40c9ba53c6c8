// The rules that tie the main window's controls together.
#include <gtest/gtest.h>

#include "main_form_fixture.h"

namespace surva::app {
namespace {

using ui::MouseButton;

class WindowRulesTest : public ::testing::Test, public testing::MainFormFixture {};

TEST_F(WindowRulesTest, ZColumnFollowsCheckBox8ByUserOrProgram) {
  form.CheckBox8.click();
  EXPECT_TRUE(form.Edit21.enabled());
  EXPECT_TRUE(form.UpDown5.enabled());
  form.CheckBox8.setChecked(false);  // as the settings restore does
  EXPECT_FALSE(form.Edit21.enabled());
  EXPECT_FALSE(form.UpDown5.enabled());
}

TEST_F(WindowRulesTest, PolylineOptionsKeepTheirChecksWhileDisabled) {
  form.CheckBox21.setChecked(true);
  form.CheckBox7.setChecked(true);
  form.CheckBox21.click();
  for (ui::CheckBox* c : {&form.CheckBox5, &form.CheckBox7, &form.CheckBox28}) {
    EXPECT_FALSE(c->enabled());
    EXPECT_TRUE(c->checked());
  }
  form.CheckBox5.click();  // no input while disabled
  EXPECT_TRUE(form.CheckBox5.checked());
  form.CheckBox21.click();
  for (ui::CheckBox* c : {&form.CheckBox5, &form.CheckBox7, &form.CheckBox28}) {
    EXPECT_TRUE(c->enabled());
    EXPECT_TRUE(c->checked());
  }
}

TEST_F(WindowRulesTest, CoordinateLabelRule) {
  form.CheckBox11.setChecked(true);
  form.CheckBox4.click();
  EXPECT_FALSE(form.CheckBox11.enabled());
  EXPECT_TRUE(form.CheckBox11.checked());
  form.CheckBox4.click();
  EXPECT_TRUE(form.CheckBox11.enabled());
}

TEST_F(WindowRulesTest, Button12CaptionFollowsTheIntOption) {
  form.CheckBox16.setChecked(false);
  EXPECT_EQ(form.Button12.text(), u"ID");
  form.CheckBox16.click();
  EXPECT_EQ(form.Button12.text(), u"ID (INT)");
}

TEST_F(WindowRulesTest, StartUpAppliesTheRulesToTheDesignState) {
  form.FormCreate();
  EXPECT_EQ(form.Button12.text(), u"ID (INT)");  // CheckBox16 is on
  EXPECT_FALSE(form.CheckBox5.enabled());       // CheckBox21 is off
  EXPECT_TRUE(form.CheckBox5.checked());
  EXPECT_TRUE(form.CheckBox11.enabled());  // CheckBox4 is on
  EXPECT_FALSE(form.Edit21.enabled());     // CheckBox8 is off
}

class RightButtonTest : public WindowRulesTest {
 protected:
  RightButtonTest() {
    form.FormCreate();
    form.Button12.onClick = [this] { ++pickings; };
    checkBox11Clicks = 0;
    form.CheckBox11.onClick = [this] { ++checkBox11Clicks; };
  }
  int pickings = 0;
  int checkBox11Clicks = 0;
};

TEST_F(RightButtonTest, RightClickOnButton12TwiceReturnsAndNeverPicks) {
  ASSERT_TRUE(form.CheckBox16.checked());
  form.Button12.mouseDown(MouseButton::Right, 5, 5);
  EXPECT_FALSE(form.CheckBox16.checked());
  EXPECT_EQ(form.Button12.text(), u"ID");
  form.Button12.mouseDown(MouseButton::Right, 5, 5);
  EXPECT_TRUE(form.CheckBox16.checked());
  EXPECT_EQ(form.Button12.text(), u"ID (INT)");
  EXPECT_EQ(pickings, 0);
}

TEST_F(RightButtonTest, OtherButtonsOverButton12DoNotToggle) {
  form.Button12.mouseDown(MouseButton::Left, 5, 5);
  form.Button12.mouseDown(MouseButton::Middle, 5, 5);
  EXPECT_TRUE(form.CheckBox16.checked());
  form.Button12.click();  // the left click that follows picks points as usual
  EXPECT_EQ(pickings, 1);
  EXPECT_TRUE(form.CheckBox16.checked());
}

TEST_F(RightButtonTest, RightClickOnCheckBox11TogglesTheIntOptionOnly) {
  form.CheckBox11.mouseDown(MouseButton::Right, 5, 5);
  EXPECT_FALSE(form.CheckBox16.checked());
  EXPECT_FALSE(form.CheckBox11.checked());
  EXPECT_EQ(checkBox11Clicks, 0);
  // A left click toggles CheckBox11 and leaves the INT option alone.
  form.CheckBox11.mouseDown(MouseButton::Left, 5, 5);
  form.CheckBox11.click();
  EXPECT_TRUE(form.CheckBox11.checked());
  EXPECT_FALSE(form.CheckBox16.checked());
}

TEST_F(RightButtonTest, DisabledCheckBox11IgnoresTheRightButton) {
  form.CheckBox4.click();  // disables CheckBox11
  ASSERT_FALSE(form.CheckBox11.enabled());
  form.CheckBox11.mouseDown(MouseButton::Right, 5, 5);
  EXPECT_TRUE(form.CheckBox16.checked());
  EXPECT_EQ(form.Button12.text(), u"ID (INT)");
  // Button12 still takes it.
  form.Button12.mouseDown(MouseButton::Right, 5, 5);
  EXPECT_FALSE(form.CheckBox16.checked());
}

TEST_F(WindowRulesTest, EveryHandlerIsWiredToItsControl) {
  for (ui::Button* b : {&form.Button1, &form.Button2, &form.Button3, &form.Button4, &form.Button5, &form.Button6,
                        &form.Button7, &form.Button8, &form.Button9, &form.Button10, &form.Button11,
                        &form.Button12, &form.Button13, &static_cast<ui::Button&>(form.SpeedButton1),
                        &static_cast<ui::Button&>(form.SpeedButton2), &static_cast<ui::Button&>(form.SpeedButton3),
                        &static_cast<ui::Button&>(form.SpeedButton4), &static_cast<ui::Button&>(form.SpeedButton5)})
    EXPECT_TRUE(b->onClick) << text::toUtf8(b->name());
  for (ui::CheckBox* c : {&form.CheckBox1, &form.CheckBox2, &form.CheckBox3, &form.CheckBox4, &form.CheckBox6,
                          &form.CheckBox8, &form.CheckBox12, &form.CheckBox13, &form.CheckBox14, &form.CheckBox15,
                          &form.CheckBox16, &form.CheckBox21, &form.CheckBox27})
    EXPECT_TRUE(c->onClick) << text::toUtf8(c->name());
  for (ui::UpDown* u : {&form.UpDown1, &form.UpDown2, &form.UpDown3, &form.UpDown4, &form.UpDown5})
    EXPECT_TRUE(u->onClick) << text::toUtf8(u->name());
  for (ui::MenuItem* m : form.PopupMenu1.items())
    EXPECT_EQ(static_cast<bool>(m->onClick), !m->isSeparator()) << text::toUtf8(m->name());
  for (ui::StringGrid* g : {&form.StringGrid1, &form.StringGrid2, &form.StringGrid3, &form.StringGrid4}) {
    EXPECT_TRUE(g->onKeyDown);
    EXPECT_TRUE(g->onDrawCell);
  }
  EXPECT_TRUE(form.StringGrid1.onClick);
  EXPECT_TRUE(form.StringGrid2.onClick);
  EXPECT_TRUE(form.StringGrid2.onFixedCellClick);
  EXPECT_TRUE(form.Edit31.onChange);
  EXPECT_TRUE(form.Button12.onMouseDown);
  EXPECT_TRUE(form.CheckBox11.onMouseDown);
  EXPECT_TRUE(form.onClose);
  // Check boxes whose state is only read have no handler.
  EXPECT_FALSE(form.CheckBox5.onClick);
  EXPECT_FALSE(form.UCS.onClick);
}

}  // namespace
}  // namespace surva::app
