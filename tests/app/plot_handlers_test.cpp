// The plot, table and plot-range handlers reach the drawing code with the
// values of their controls and the button that raised them.
#include <gtest/gtest.h>

#include "main_form_fixture.h"
#include "points/working_array.h"
#include "sim/cad.h"
#include "sim/dump.h"
#include "sim/sim_automation.h"

namespace surva::app {
namespace {

class PlotHandlersTest : public ::testing::Test, public testing::MainFormFixture {
 protected:
  PlotHandlersTest() {
    cad = std::make_shared<sim::Cad>(fakes.files, fakes.codec);
    automation.registerCad(state.targetProgId, cad);
    fakes.services.automation = &automation;
    state.exchangeDxfPath = u"C:\\Surva\\surva.dxf";
    ui::TextGrid& g = form.StringGrid1.cells();
    g.setRowCount(3);
    const char16_t* rows[2][5] = {{u"A-1", u"1", u"2", u"3", u"1"}, {u"A-2", u"4", u"5", u"6", u"2"}};
    for (int r = 0; r < 2; ++r)
      for (int c = 0; c < 5; ++c) g.setCell(c, r + 1, rows[r][c]);
    for (ui::CheckBox* c : {&form.CheckBox21, &form.CheckBox26, &form.CheckBox23, &form.CheckBox4, &form.CheckBox24})
      c->setChecked(false);
    form.CheckBox22.setChecked(true);
    form.Edit8.setText(u"PT");
  }
  std::string drawn() { return sim::dumpEntities(cad->drawing()); }

  sim::SimAutomation automation;
  std::shared_ptr<sim::Cad> cad;
};

TEST_F(PlotHandlersTest, EachPlotButtonTakesItsZ) {
  form.Button2.click();
  EXPECT_EQ(drawn(), "POINT 2F0 layer=PT (1,2,3)\nPOINT 2F1 layer=PT (4,5,6)\n");
  form.Edit31.setText(u"2");
  form.Button13.click();
  EXPECT_EQ(cad->drawing().entities().size(), 3u);
  EXPECT_EQ(sim::dumpEntity(cad->drawing().entities().back()), "POINT 2F2 layer=PT (4,5,0)");
  EXPECT_TRUE(points::WorkingArray().empty());
}

TEST_F(PlotHandlersTest, EachTableButtonTakesItsOrderAndTheWindowComesBack) {
  form.Edit15.setText(u"5");
  form.Edit16.setText(u"25");
  form.Edit17.setText(u"30");
  form.Edit20.setText(u"1");
  form.CheckBox8.setChecked(false);
  cad->user().push(sim::UserAction::pickPoint({0, 0, 0}));
  form.Button8.click();
  const auto& e = cad->drawing().entities();
  ASSERT_FALSE(e.empty());
  EXPECT_EQ(e.back().textString, u"4.0");  // the last cell of Y-X order is X
  EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
  cad->user().push(sim::UserAction::pickPoint({0, 0, 0}));
  form.Button3.click();
  EXPECT_EQ(e.back().textString, u"5.0");
}

TEST_F(PlotHandlersTest, ErrorsReachTheErrorReport) {
  form.Edit20.setText(u"x");
  form.Button3.click();
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].icon, platform::Icon::Error);
  EXPECT_NE(fakes.dialogs.shown[0].message.find(u"'x'"), text::u16::npos);
}

TEST_F(PlotHandlersTest, PlotNoCellsFollowTheExpression) {
  form.Edit31.setText(u"2-");
  EXPECT_EQ(form.StringGrid1.cellStyle(4, 1).background, (ui::Color{128, 128, 128}));
  EXPECT_EQ(form.StringGrid1.cellStyle(4, 2).background, ui::colors::White);
  EXPECT_EQ(form.StringGrid1.cellStyle(1, 1).align, ui::Align::Right);
  EXPECT_EQ(form.StringGrid1.cellStyle(0, 1).align, ui::Align::Left);
}

}  // namespace
}  // namespace surva::app
