#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "dxf/table_command.h"
#include "table_lines.h"
#include "text/error.h"

namespace surva::dxftest {
namespace {

using platform::Variant;
using sim::UserAction;

struct TableTest : ::testing::Test, DrawingFixture {
  TableTest() {
    s.rowHeight = u"5";
    s.nameWidth = u"25";
    s.coordWidth = u"30";
    s.textHeight = u"2.5";
    s.decimals = u"3";
    s.frameLayer = u"SURVA_TBLLINE";
    s.textLayer = u"SURVA_TBLTEXT";
    s.dimscale = false;
    setList({{u"A-1", u"100.1234", u"200.5", u"1"}, {u"B-2", u"-2.5", u"7", u""}, {u"C", u"3", u"4", u""}});
  }
  void table() { dxf::TableToCad(context(), s, list, mainWindow); }
  std::vector<std::string> drawnLines() {
    std::vector<std::string> out;
    for (const auto& e : cad->drawing().entities()) out.push_back(sim::dumpEntity(e));
    return out;
  }
  dxf::TableSettings s;
};

TEST_F(TableTest, WorkedGeometryIsInsertedAtThePickedCorner) {
  cad->user().push(UserAction::pickPoint({1000, 2000, 0}));
  table();
  EXPECT_EQ(mainWindow.events, (std::vector<std::string>{"minimise", "restore"}));
  EXPECT_EQ(sentCommands(), (std::vector<std::string>{"-INSERT *C:\\Surva\\surva.dxf\r@ 1 0\r"}));
  // The prompt the user saw.
  bool prompted = false;
  for (const auto& r : cad->calls().records())
    if (text::equalsIgnoreAsciiCase(r.member, u"GetPoint")) {
      prompted = true;
      EXPECT_TRUE(r.args.at(0).isEmpty());
      EXPECT_EQ(r.args.at(1).toText(), u"作表の左上基点を指示 : ");
    }
  EXPECT_TRUE(prompted);
  const auto lines = drawnLines();
  ASSERT_EQ(lines.size(), 5u + 4u + 3u + 9u) << drawn();
  EXPECT_EQ(lines[0], "LINE 2F0 layer=SURVA_TBLLINE (1000,2000,0)-(1085,2000,0)");
  EXPECT_EQ(lines[4], "LINE 2F4 layer=SURVA_TBLLINE (1000,1980,0)-(1085,1980,0)");
  EXPECT_EQ(lines[6], "LINE 2F6 layer=SURVA_TBLLINE (1025,2000,0)-(1025,1980,0)");
  EXPECT_EQ(lines[8], "LINE 2F8 layer=SURVA_TBLLINE (1085,2000,0)-(1085,1980,0)");
  const auto& e = cad->drawing().entities();
  EXPECT_EQ(e[9].textString, u"測点");
  EXPECT_EQ(e[9].alignment, (sim::Vec3{1012.5, 1997.5, 0}));
  EXPECT_EQ(e[11].textString, u"Y座標");
  // Row 2: name left at x = h, coordinates right at the rule minus h.
  EXPECT_EQ(e[15].textString, u"B-2");
  EXPECT_EQ(e[15].alignment, (sim::Vec3{1005, 1987.5, 0}));
  EXPECT_EQ(e[16].textString, u"-2.500");
  EXPECT_EQ(e[16].alignment, (sim::Vec3{1050, 1987.5, 0}));
  EXPECT_EQ(e[16].hAlign, sim::kRight);
  EXPECT_EQ(e[17].textString, u"7.000");
  EXPECT_EQ(e[17].alignment, (sim::Vec3{1080, 1987.5, 0}));
  EXPECT_EQ(e[17].widthFactor, 0.8);
  keepForReader("table_xy.dxf");
}

TEST_F(TableTest, YxOrderWithZColumnForTheReader) {
  s.yxOrder = true;
  s.zColumn = true;
  cad->user().push(UserAction::pickPoint({0, 0, 0}));
  table();
  const auto& e = cad->drawing().entities();
  ASSERT_EQ(e.size(), 5u + 5u + 4u + 10u) << drawn();
  EXPECT_EQ(e[14].textString, u"A-1");
  EXPECT_EQ(e[15].textString, u"200.500");  // Y first
  EXPECT_EQ(e[16].textString, u"100.123");
  EXPECT_EQ(e[17].textString, u"1.000");
  EXPECT_EQ(e[17].alignment, (sim::Vec3{110, -7.5, 0}));
  keepForReader("table_yx_z.dxf");
}

TEST_F(TableTest, CancelledPickInsertsNothingRestoresTheWindowAndKeepsTheFile) {
  cad->user().push(UserAction::escape());
  table();
  EXPECT_TRUE(fileWritten());
  EXPECT_TRUE(sentCommands().empty());
  EXPECT_EQ(drawn(), "");
  EXPECT_EQ(mainWindow.events, (std::vector<std::string>{"minimise", "restore"}));
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(TableTest, RefusedCommandSaysNothing) {
  cad->user().push(UserAction::pickPoint({0, 0, 0}));
  cad->failMember(u"SendCommand", u"refused");
  table();
  EXPECT_EQ(drawn(), "");
  EXPECT_EQ(mainWindow.events, (std::vector<std::string>{"minimise", "restore"}));
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(TableTest, MinimisedOnlyWhileThePickWaits) {
  std::vector<std::string> duringPick;
  cad->user().onStarved = [&] {
    duringPick = mainWindow.events;
    cad->user().push(UserAction::pickPoint({0, 0, 0}));
    return true;
  };
  table();
  EXPECT_EQ(duringPick, (std::vector<std::string>{"minimise"}));
  EXPECT_EQ(fakes.clock.sleeps.back(), 100u);  // CAD is given 100 ms to come up
  EXPECT_EQ(mainWindow.events, (std::vector<std::string>{"minimise", "restore"}));
}

TEST_F(TableTest, DimscaleZeroIsTheSameAsOffAndHundredScalesSizes) {
  cad->user().push(UserAction::pickPoint({0, 0, 0}));
  table();
  const std::string plain = file();
  s.dimscale = true;
  cad->drawing().variables().set(u"DIMSCALE", Variant(0.0));
  cad->user().push(UserAction::pickPoint({0, 0, 0}));
  table();
  EXPECT_EQ(file(), plain);
  cad->drawing().variables().set(u"DIMSCALE", Variant(100.0));
  cad->user().push(UserAction::pickPoint({0, 0, 0}));
  table();
  using namespace surva::testing;
  EXPECT_NE(file().find(hline("SURVA_TBLLINE", "-2000.00000000", "8500.00000000")), std::string::npos);
  EXPECT_NE(file().find(rightCell("5000.00000000", "-750.00000000", "250", "100.123")), std::string::npos);
}

TEST_F(TableTest, EmptyListOrFirstXEmptyWritesNothing) {
  list.setCell(1, 1, u"");
  table();
  EXPECT_FALSE(fileWritten());
  EXPECT_TRUE(mainWindow.events.empty());
}

TEST_F(TableTest, DecimalsNotAnIntegerEndsTheCommandBeforeThePick) {
  fakes.files.files[kDxfPath] = "previous";
  s.decimals = u"x";
  EXPECT_THROW(table(), Failure);
  EXPECT_EQ(file(), "previous");
  EXPECT_TRUE(mainWindow.events.empty());
  EXPECT_TRUE(sentCommands().empty());
}

TEST_F(TableTest, RefusedLayerNameWritesNothingAndNamesTheBox) {
  s.textLayer = u"表*文字";
  table();
  EXPECT_FALSE(fileWritten());
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_NE(fakes.dialogs.shown[0].message.find(u"「表文字」"), text::u16::npos);
  EXPECT_TRUE(mainWindow.events.empty());
}

TEST_F(TableTest, PathWithoutShortFormIsReportedBeforeThePick) {
  const text::u16 path = u"C:\\My Tools\\surva.dxf";
  dxf::TableToCad({fakes.services, kProgId, path}, s, list, mainWindow);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_TRUE(mainWindow.events.empty());
  EXPECT_TRUE(sentCommands().empty());
}

}  // namespace
}  // namespace surva::dxftest
