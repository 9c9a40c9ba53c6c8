// "CADから", the list display check boxes, "内部データをすべてクリア" and
// "TEXT 取得" from the main window, against the in-process stand-in CAD.
#include <gtest/gtest.h>

#include "cad/harvest_command.h"
#include "main_form_fixture.h"
#include "sim/cad.h"
#include "sim/sim_automation.h"
#include "text/number.h"

namespace surva::app {
namespace {

using sim::UserAction;

class HarvestHandlersTest : public ::testing::Test, public testing::MainFormFixture {
 protected:
  HarvestHandlersTest() {
    cad = std::make_shared<sim::Cad>(fakes.files, fakes.codec);
    automation.registerCad(state.targetProgId, cad);
    fakes.services.automation = &automation;
    form.UpDown6.setPosition(3);
    form.Edit28.setText(u"5");
    form.CheckBox25.setChecked(true);
    cad->drawing().variables().setRaw(u"DIMSCALE", platform::Variant(0.2));  // search range 1
  }
  text::u16 add(sim::Entity e) { return cad->drawing().add(std::move(e)).handle; }
  void userSelects(std::vector<text::u16> handles) {
    cad->user().push(UserAction::select(std::move(handles)));
    cad->user().push(UserAction::finish());
  }
  // Name, X, Y, Z and PLOT No. of every data row, one line each.
  std::string listed(const ui::StringGrid& grid, int cols = 5) {
    std::string out;
    for (int r = 1; r < grid.cells().rowCount(); ++r) {
      for (int c = 0; c < cols; ++c) out += (c ? "|" : "") + text::toUtf8(grid.cells().cell(c, r));
      out += "\n";
    }
    return out;
  }
  std::vector<text::u16> shownMessages() {
    std::vector<text::u16> out;
    for (auto& m : fakes.dialogs.shown) out.push_back(m.message);
    return out;
  }

  sim::SimAutomation automation;
  std::shared_ptr<sim::Cad> cad;
};

TEST_F(HarvestHandlersTest, HarvestListsNamedSortedRowsAndTheSummary) {
  userSelects({add(sim::makeLwPolyline({{0, 0, 0}, {10, 0, 0}}, 1.23456, false)),
               add(sim::makePoint({20, 0, 0})), add(sim::makeCircle({30, 0, 0}, 1)),
               add(sim::makeText(u"B-2", {0.5, 0.5, 0}, 1)),
               add(sim::makeText(u"A-1", {10.5, 0, 0}, 1, sim::kRight, sim::kBaseline)),
               add(sim::makeText(u"1,2", {20.1, 0, 0}, 1)),  // nearest to the point, but never a name
               add(sim::makeLine({0, 0, 0}, {1, 1, 0}))});
  form.CheckBox1.setChecked(true);
  form.Button4.click();
  EXPECT_TRUE(shownMessages().empty());
  EXPECT_EQ(form.StatusBar1.panelText(1), u" POLYLINE=1, CIRCLE=1, TEXT=3, POINT=1, LINE=1,");
  EXPECT_EQ(listed(form.StringGrid1),
            "|20.000|0.000|0.000|1\n"
            "|30.000|0.000|0.000|2\n"
            "A-1|10.000|0.000|1.235|3\n"
            "B-2|0.000|0.000|1.235|4\n");
  EXPECT_EQ(form.StatusBar1.panelText(0), u"1 / 4");
  EXPECT_TRUE(form.GroupBox2.enabled());
  EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
  EXPECT_EQ(form.ProgressBar1.position(), 0);
  EXPECT_TRUE(cad->drawing().selectionSets().empty());  // "ssTemp" deleted
  EXPECT_FALSE(state.entToSlFlag);

  // The check boxes rebuild from the store without going back to CAD.
  const auto callsBefore = cad->calls().records().size();
  form.CheckBox1.setChecked(false);
  form.CheckBox6.setChecked(false);
  form.CheckBox27.setChecked(true);
  EXPECT_EQ(listed(form.StringGrid1, 4),
            "|20.000|0.000|0.000\n"
            "1,2|20.100|0.000|0.000\n"
            "A-1|10.500|0.000|0.000\n"
            "B-2|0.500|0.500|0.000\n");
  EXPECT_EQ(cad->calls().count(u"SelectOnScreen"), 1u);
  EXPECT_EQ(cad->calls().count(u"Item"), 7u);
  EXPECT_GT(cad->calls().records().size(), callsBefore);  // only the DIMSCALE reads

  form.StringGrid2.cells().setCell(0, 1, u"kept");
  form.N17.click();
  EXPECT_EQ(listed(form.StringGrid1), "||||1\n");
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");
  form.CheckBox1.setChecked(true);
  EXPECT_EQ(listed(form.StringGrid1), "||||1\n");
  EXPECT_EQ(form.StatusBar1.panelText(0), u"1 / 1");
  EXPECT_EQ(form.StringGrid2.cells().cell(0, 1), u"kept");
}

TEST_F(HarvestHandlersTest, NothingSelectedChangesNothingNotEvenTheListDisplay) {
  form.StringGrid1.cells().setCell(0, 1, u"P1");
  form.GroupBox2.setEnabled(false);  // as after picking points or reading a file
  cad->user().push(UserAction::finish());
  form.Button4.click();
  EXPECT_EQ(form.StringGrid1.cells().cell(0, 1), u"P1");
  EXPECT_FALSE(form.GroupBox2.enabled());
  EXPECT_TRUE(shownMessages().empty());
}

TEST_F(HarvestHandlersTest, CountedEntitiesNotListedAreReportedButArcsAreNot) {
  userSelects({add(sim::makeArc({0, 0, 0}, 1, 0, 1)), add(sim::makeEllipse({0, 0, 0}, {2, 0, 0}, 0.5, 0, 1))});
  form.StatusBar1.setPanelText(1, u"old");
  form.Button4.click();
  EXPECT_TRUE(shownMessages().empty());
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");
  EXPECT_EQ(state.harvest.arcs.size(), 1u);

  userSelects({add(sim::makeLine({0, 0, 0}, {1, 1, 0}))});
  form.Button4.click();
  EXPECT_EQ(shownMessages(), (std::vector<text::u16>{cad::kNothingListed}));
  EXPECT_EQ(listed(form.StringGrid1), "||||1\n");
}

TEST_F(HarvestHandlersTest, CadGoneMidHarvestReportsFailureAndKeepsWhatWasRead) {
  std::vector<text::u16> points;
  for (int i = 0; i < 4; ++i) points.push_back(add(sim::makePoint({double(i), 0, 0})));
  userSelects(points);
  form.StringGrid1.cells().setCell(0, 1, u"P1");
  form.StatusBar1.setPanelText(1, u"old");
  // HWND, ActiveDocument, SelectionSets, Count, Add, SelectOnScreen, Count;
  // then Count and four calls per point: the third point's EntityName fails,
  // and so does every call after it, the set's Delete included.
  cad->closeAfterCalls(7 + 1 + 4 * 2 + 1);
  form.Button4.click();
  EXPECT_EQ(shownMessages(), (std::vector<text::u16>{cad::kHarvestFailed}));
  EXPECT_EQ(form.ProgressBar1.position(), 0);
  EXPECT_EQ(form.StatusBar1.panelText(1), u"");
  EXPECT_FALSE(form.GroupBox2.enabled());
  EXPECT_EQ(form.StringGrid1.cells().cell(0, 1), u"P1");  // the listing never ran
  EXPECT_EQ(state.harvest.points.size(), 2u);
  EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
}

TEST_F(HarvestHandlersTest, UcsListsInTheFrameReadAtTheHarvest) {
  auto& v = cad->drawing().variables();
  v.setPoint(u"UCSXDIR", {0, 1, 0});
  v.setPoint(u"UCSYDIR", {-1, 0, 0});
  v.setPoint(u"UCSORG", {100, 0, 0});
  form.UCS.setChecked(true);
  userSelects({add(sim::makePoint({100, 5, 0}))});
  form.Button4.click();
  EXPECT_EQ(listed(form.StringGrid1, 4), "|5.000|0.000|0.000\n");
  // A frame is taken only when UCS is ticked at the harvest.
  form.UCS.setChecked(false);
  userSelects({add(sim::makePoint({100, 5, 0}))});
  form.Button4.click();
  form.UCS.setChecked(true);
  form.CheckBox2.setChecked(false);
  form.CheckBox2.setChecked(true);
  EXPECT_EQ(listed(form.StringGrid1, 4), "|100.000|5.000|0.000\n");
}

TEST_F(HarvestHandlersTest, TextHarvestListsOnlyTextsAtTheirInsertionPointAndSortsByHeader) {
  form.UpDown6.setPosition(2);
  form.GroupBox2.setEnabled(true);
  form.StringGrid1.cells().setCell(0, 1, u"P1");
  state.harvest.vertices.resize(2);  // an earlier main-tab harvest
  userSelects({add(sim::makeLine({0, 0, 0}, {1, 1, 0})), add(sim::makeText(u"a1", {10.006, 20, 0}, 1)),
               add(sim::makeText(u"A10", {3, 25, 1}, 1, sim::kCenter, sim::kBaseline)),
               add(sim::makeText(u"A2", {5, 5, 0}, 1))});
  form.Button6.click();
  EXPECT_EQ(state.harvest.texts.size(), 3u);
  EXPECT_TRUE(state.harvest.lines.empty());  // the selection admitted texts only
  EXPECT_TRUE(state.harvest.vertices.empty());
  const sim::Entity& centred = cad->drawing().entities()[2];
  EXPECT_EQ(listed(form.StringGrid2, 4), "a1|10.01|20.00|0.00\n"
                                         "A10|" + text::toUtf8(text::formatFixed(centred.insertion.x, 2)) +
                                             "|25.00|1.00\nA2|5.00|5.00|0.00\n");
  form.StringGrid2.onFixedCellClick(2, 0);  // " Y座標": largest first
  EXPECT_EQ(form.StringGrid2.cells().cell(0, 1), u"A10");
  EXPECT_EQ(form.StringGrid2.cells().cell(0, 3), u"A2");
  form.StringGrid2.onFixedCellClick(0, 2);  // a data cell: no sort
  EXPECT_EQ(form.StringGrid2.cells().cell(0, 1), u"A10");
  form.StringGrid2.onFixedCellClick(0, 0);  // " TEXT": code-unit order
  EXPECT_EQ(listed(form.StringGrid2, 1), "A10\nA2\na1\n");
  EXPECT_EQ(form.StringGrid2.cellStyle(1, 1).align, ui::Align::Right);
  EXPECT_EQ(form.StringGrid2.cellStyle(0, 1).align, ui::Align::Left);
  // The main tab is left alone.
  EXPECT_EQ(form.StringGrid1.cells().cell(0, 1), u"P1");
  EXPECT_EQ(form.StatusBar1.panelText(0), u"");
}

// The TEXT harvest replaces the store the main list was listed from; a
// list display box clicked afterwards must not rebuild the main list from
// texts alone.
TEST_F(HarvestHandlersTest, TextHarvestLeavesTheMainListsHarvestAlone) {
  form.CheckBox6.setChecked(true);
  userSelects({add(sim::makePoint({20, 0, 0})), add(sim::makeCircle({30, 0, 0}, 1))});
  form.Button4.click();
  const std::string harvested = listed(form.StringGrid1);
  ASSERT_EQ(harvested, "|20.000|0.000|0.000|1\n|30.000|0.000|0.000|2\n");
  userSelects({add(sim::makeText(u"T", {1, 1, 0}, 1))});
  form.Button6.click();
  if (form.GroupBox2.enabled()) form.CheckBox6.setChecked(false);  // what the user can click
  EXPECT_EQ(listed(form.StringGrid1), harvested);
}

// The old TEXT list must not pass for the result of a harvest that failed.
TEST_F(HarvestHandlersTest, TextHarvestFailureIsToldWithItsReasonAndKeepsTheList) {
  form.StringGrid2.cells().setCell(0, 1, u"kept");
  userSelects({add(sim::makeText(u"T", {0, 0, 0}, 1))});
  cad->failMember(u"TextString", u"呼び出しが拒否されました。");
  form.Button6.click();
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].message.rfind(cad::kHarvestFailed, 0), 0u);
  EXPECT_NE(fakes.dialogs.shown[0].message.find(u"呼び出しが拒否されました。"), text::u16::npos);
  EXPECT_EQ(form.StringGrid2.cells().cell(0, 1), u"kept");
  EXPECT_EQ(form.windowState(), ui::WindowState::Normal);
  EXPECT_TRUE(cad->drawing().selectionSets().empty());
}

}  // namespace
}  // namespace surva::app
