// "PAN" moves the stand-in's view to the current row at the same height,
// without raising the CAD; "画層取得" takes a TEXT's layer with snap off.
#include <gtest/gtest.h>

#include "cad/text_layer_pick.h"
#include "cad/view_pan.h"
#include "cad_fixture.h"

namespace surva::cadtest {
namespace {

using platform::Variant;
using sim::UserAction;

struct PanAndLayerPickTest : ::testing::Test, CadFixture {
  std::optional<text::u16> pickLayer() { return cad::PickTextLayer(services(), kProgId, window); }
  sim::Vec3 viewCentre() { return cad->drawing().variables().point(u"VIEWCTR"); }
  RecordingMainWindow window;
};

TEST_F(PanAndLayerPickTest, PanCentresTheRowAtTheSameViewHeightAndLeavesTheCadWhereItIs) {
  ui::TextGrid list;
  list.setRowCells(1, {u"P1", u"-12.5", u"40", u"", u"1"});
  list.setRowCells(2, {u"P2", u"", u"40", u"3", u"2"});
  cad->drawing().variables().setRaw(u"VIEWSIZE", Variant(250.0));
  list.setCurrent(2, 1);
  cad::PanToCurrentRow(services(), kProgId, list);
  EXPECT_EQ(viewCentre(), (sim::Vec3{-12.5, 40, 0}));  // no Z gives 0
  EXPECT_EQ(cad->drawing().variables().number(u"VIEWSIZE"), 250);
  EXPECT_EQ(cad->drawing().regenerations, 1);
  EXPECT_TRUE(fakes.windows.calls.empty());  // not raised, no Escape
  EXPECT_TRUE(fakes.clock.sleeps.empty());

  list.setCurrent(0, 2);  // no X: nothing at all
  cad::PanToCurrentRow(services(), kProgId, list);
  list.setRowCells(0, {u" 測点名", u" X座標", u" Y座標"});
  list.setRowCount(1);  // the header alone is no place to go to
  cad::PanToCurrentRow(services(), kProgId, list);
  EXPECT_EQ(cad->calls().count(u"ZoomCenter"), 1u);
}

TEST_F(PanAndLayerPickTest, TextLayerIsTakenAndSnapComesBackAfterAnyPick) {
  auto& d = cad->drawing();
  auto text = d.add(sim::makeText(u"No.1", {1, 1, 0}, 2.5, sim::kLeft, sim::kBaseline, u"WALL")).handle;
  auto mtext = d.add(sim::makeMText(u"note", {5, 5, 0}, 2.5, u"NOTE")).handle;
  d.variables().setRaw(u"SNAPMODE", Variant(std::int16_t(1)));
  d.variables().snapModeRefusesInt32 = true;  // the restore needs the 16-bit retry

  int snapDuringPick = -1;
  cad->user().onStarved = [&] {
    snapDuringPick = d.variables().get(u"SNAPMODE")->toInt();
    cad->user().push(UserAction::pickEntity(text));
    return true;
  };
  EXPECT_EQ(pickLayer(), u"WALL");
  EXPECT_EQ(snapDuringPick, 0);
  EXPECT_EQ(d.variables().get(u"SNAPMODE")->toInt(), 1);
  EXPECT_EQ(window.events, (std::vector<std::string>{"minimise", "restore"}));
  cad->user().onStarved = nullptr;

  cad->user().push(UserAction::pickEntity(mtext));
  EXPECT_EQ(pickLayer(), std::nullopt);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].message, u"TEXT ではありません.");
  EXPECT_EQ(fakes.dialogs.shown[0].caption, u"確認");

  cad->user().push(UserAction::escape());
  EXPECT_EQ(pickLayer(), std::nullopt);
  EXPECT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(d.variables().get(u"SNAPMODE")->toInt(), 1);
}

TEST_F(PanAndLayerPickTest, ASnapModeThatCannotBeRestoredReachesTheErrorReportWithTheWindowBack) {
  cad->user().onStarved = [this] {
    cad->failMember(u"SetVariable", u"refused", -1);  // both restore attempts
    cad->user().push(UserAction::escape());
    return true;
  };
  EXPECT_THROW(pickLayer(), platform::AutomationError);
  EXPECT_EQ(cad->calls().count(u"SetVariable"), 3u);
  EXPECT_EQ(window.events, (std::vector<std::string>{"minimise", "restore"}));
}

}  // namespace
}  // namespace surva::cadtest
