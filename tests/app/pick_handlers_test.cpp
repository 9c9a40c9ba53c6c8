// The picking and panning handlers: controls in, list and fields out.
#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "sim/cad.h"
#include "sim/sim_automation.h"

namespace surva::app {
namespace {

using sim::UserAction;

class PickHandlersTest : public ::testing::Test, public testing::MainFormFixture {
 protected:
  PickHandlersTest() {
    cad = std::make_shared<sim::Cad>(fakes.files, fakes.codec);
    automation.registerCad(state.targetProgId, cad);
    fakes.services.automation = &automation;
  }
  sim::Vec3 viewCentre() { return cad->drawing().variables().point(u"VIEWCTR"); }

  sim::SimAutomation automation;
  std::shared_ptr<sim::Cad> cad;
};

TEST_F(PickHandlersTest, IdFillsTheListAndNamesTheNextPick) {
  form.Edit33.setText(u"P-9");
  form.UpDown7.setPosition(1);
  form.GroupBox2.setEnabled(true);
  form.StatusBar1.setPanelText(1, u"harvest");
  cad->user().push(UserAction::pickPoint({1.25, 2, 0}));
  cad->user().push(UserAction::escape());
  form.Button12.click();
  const ui::TextGrid& list = form.StringGrid1.cells();
  ASSERT_EQ(list.dataRowCount(), 1);
  EXPECT_EQ(list.rowCells(1), (std::vector<text::u16>{u"P-9", u"1.3", u"2.0", u"0.0", u"1"}));
  EXPECT_EQ(form.Edit33.text(), u"P-10");
  EXPECT_FALSE(form.GroupBox2.enabled());
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");
  EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(PickHandlersTest, IdEndsWithTheWindowInFront) {
  form.attachPeers();
  cad->user().push(UserAction::pickPoint({1, 2, 0}));
  cad->user().push(UserAction::escape());
  form.Button12.click();
  std::vector<ui::Property> formChanges;
  for (const auto& [name, p] : backend.log.changes)
    if (name == "Form1") formChanges.push_back(p);
  // Restored, then brought in front of the CAD.
  ASSERT_GE(formChanges.size(), 2u);
  EXPECT_EQ(formChanges.end()[-2], ui::Property::WindowState);
  EXPECT_EQ(formChanges.back(), ui::Property::Foreground);
}

TEST_F(PickHandlersTest, ClickOnPlotNoMovesToTheNameAndPansUnlessAHarvestListsMeanwhile) {
  ui::TextGrid& list = form.StringGrid1.cells();
  list.setRowCount(11);
  list.setRowCells(3, {u"A", u"10", u"20", u"", u"3"});
  form.CheckBox18.setChecked(true);
  list.setCurrent(4, 3);
  EXPECT_EQ(list.col(), 0);
  EXPECT_EQ(list.row(), 3);
  EXPECT_EQ(form.StatusBar1.panelText(0), u" 3 / 10");
  EXPECT_EQ(viewCentre(), (sim::Vec3{10, 20, 0}));

  state.entToSlFlag = true;
  list.setRowCells(4, {u"B", u"30", u"40", u"", u"4"});
  list.setCurrent(1, 4);
  EXPECT_EQ(viewCentre(), (sim::Vec3{10, 20, 0}));
  ui::TextGrid& texts = form.StringGrid2.cells();
  texts.setRowCells(1, {u"T", u"50", u"60", u"7"});
  form.CheckBox17.setChecked(true);
  texts.setCurrent(0, 1);
  texts.setCurrent(1, 1);
  EXPECT_EQ(viewCentre(), (sim::Vec3{50, 60, 7}));
}

TEST_F(PickHandlersTest, LayerPickFillsTheSearchLayer) {
  form.Edit29.setText(u"OLD");
  auto line = cad->drawing().add(sim::makeLine({0, 0, 0}, {1, 1, 0}, u"LINES")).handle;
  auto text = cad->drawing().add(sim::makeText(u"1", {0, 0, 0}, 1, sim::kLeft, sim::kBaseline, u"NAMES")).handle;
  cad->user().push(UserAction::pickEntity(line));
  form.SpeedButton2.click();
  EXPECT_EQ(form.Edit29.text(), u"OLD");
  cad->user().push(UserAction::pickEntity(text));
  form.SpeedButton2.click();
  EXPECT_EQ(form.Edit29.text(), u"NAMES");
  EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
}

}  // namespace
}  // namespace surva::app
