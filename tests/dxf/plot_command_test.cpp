#include <gtest/gtest.h>

#include "drawing_fixture.h"
#include "dxf/plot_command.h"
#include "plot_lines.h"
#include "text/error.h"

namespace surva::dxftest {
namespace {

using namespace surva::testing;
using platform::Variant;

const std::string kInsert = "-INSERT *C:\\Surva\\surva.dxf\r0,0,0 1 0\r";

struct PlotTest : ::testing::Test, DrawingFixture {
  PlotTest() {
    s.polylineLayer = u"SURVA_PLINE";
    s.pointLayer = u"SURVA_POINT";
    s.circleLayer = u"SURVA_CIRCLE";
    s.nameLayer = u"SURVA_TEXTPT";
    s.coordLayer = u"SURVA_TEXTXY";
    s.separator = u"-";
    s.radius = u"0.5";
    s.nameHeight = u"2.5";
    s.coordHeight = u"1.8";
    s.dimscale = false;
    s.labelDecimals = 3;
  }
  void plot() { dxf::PlotToCad(context(), s, list, working); }
  void fiveNames() {
    setList({{u"A-1", u"1", u"2", u"3"},
             {u"A-2", u"4", u"5", u"6"},
             {u"A-3", u"7", u"8", u"9"},
             {u"B-1", u"10", u"11", u"12"},
             {u"B-2", u"13", u"14", u"15"}});
  }
  dxf::PlotSettings s;
  std::vector<points::TPlotData> working;
};

TEST_F(PlotTest, GroupsBecomeClosed3dPolylinesAndTheCadDrawsThem) {
  fiveNames();
  s.polylines = s.closed = s.threeD = true;
  plot();
  EXPECT_EQ(file(), wholeFile(polylineHead("9") + vertex("1.00000000", "2.00000000", "3.00000000") +
                              vertex("4.00000000", "5.00000000", "6.00000000") +
                              vertex("7.00000000", "8.00000000", "9.00000000") + seqend() + polylineHead("9") +
                              vertex("10.00000000", "11.00000000", "12.00000000") +
                              vertex("13.00000000", "14.00000000", "15.00000000") + seqend()));
  EXPECT_EQ(sentCommands(), (std::vector<std::string>{kInsert}));
  EXPECT_EQ(drawn(),
            "POLYLINE3D 2F0 layer=SURVA_PLINE closed (1,2,3) (4,5,6) (7,8,9)\n"
            "POLYLINE3D 2F1 layer=SURVA_PLINE closed (10,11,12) (13,14,15)\n");
  EXPECT_TRUE(working.empty());
}

TEST_F(PlotTest, PolylineFlagsOpenAndClosed2d) {
  fiveNames();
  s.polylines = true;
  plot();
  EXPECT_NE(file().find(polylineHead("0")), std::string::npos);
  s.closed = true;
  plot();
  EXPECT_NE(file().find(polylineHead("1")), std::string::npos);
  s.closed = false;
  s.threeD = true;
  plot();
  EXPECT_NE(file().find(polylineHead("8")), std::string::npos);
}

TEST_F(PlotTest, ZeroZButtonWritesEveryZAsZero) {
  fiveNames();
  list.setRowCount(3);
  s.polylines = s.threeD = true;
  s.points = true;
  s.zFromList = false;
  plot();
  EXPECT_EQ(file(), wholeFile(polylineHead("8") + vertex("1.00000000", "2.00000000", "0.00000000") +
                              vertex("4.00000000", "5.00000000", "0.00000000") + seqend() +
                              point("1.00000000", "2.00000000", "0.00000000") +
                              point("4.00000000", "5.00000000", "0.00000000")));
}

TEST_F(PlotTest, SinglePointWithOnlyPolylinesWritesHeadAndEndAndSendsNothing) {
  setList({{u"A-1", u"1", u"2", u""}});
  s.polylines = true;
  plot();
  EXPECT_EQ(file(), wholeFile(""));
  EXPECT_TRUE(sentCommands().empty());
  EXPECT_EQ(drawn(), "");
}

TEST_F(PlotTest, EmptyListOrFirstXEmptyStopsAfterRaisingTheCad) {
  s.points = true;
  list.setRowCount(3);  // rows without text
  plot();
  EXPECT_FALSE(fileWritten());
  EXPECT_TRUE(sentCommands().empty());
  EXPECT_TRUE(fakes.dialogs.shown.empty());
  EXPECT_FALSE(fakes.windows.calls.empty());  // the CAD window was raised
}

TEST_F(PlotTest, CadNotRunningOrUnknownProgId) {
  fiveNames();
  s.points = true;
  automation.stop(automation.classFromProgId(kProgId).value());
  plot();
  EXPECT_FALSE(fileWritten());
  EXPECT_TRUE(fakes.dialogs.shown.empty());
  dxf::PlotToCad({fakes.services, u"No.Such.Cad", kDxfPath}, s, list, working);
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].message, u"ProgID（クラス文字列）: \nNo.Such.Cad は無効です．");
  EXPECT_FALSE(fileWritten());
}

TEST_F(PlotTest, PlotRangeSelectsPointsButPolylinesKeepEveryVertex) {
  fiveNames();
  s.polylines = s.points = true;
  s.plotRange = u"2";
  plot();
  EXPECT_EQ(file(), wholeFile(polylineHead("0") + vertex("1.00000000", "2.00000000", "3.00000000") +
                              vertex("4.00000000", "5.00000000", "6.00000000") +
                              vertex("7.00000000", "8.00000000", "9.00000000") + seqend() + polylineHead("0") +
                              vertex("10.00000000", "11.00000000", "12.00000000") +
                              vertex("13.00000000", "14.00000000", "15.00000000") + seqend() +
                              point("4.00000000", "5.00000000", "6.00000000")));
}

TEST_F(PlotTest, RangeFollowsPlotNoThroughReorderingAndSkipsEmptyPlotNo) {
  // One group; from the fourth point on each is followed by the nearest.
  setList({{u"P1", u"0", u"0", u""},
           {u"P2", u"1", u"0", u""},
           {u"P3", u"2", u"0", u""},
           {u"P4", u"50", u"0", u""},
           {u"P5", u"3", u"0", u""}});
  list.setRowCount(7);
  list.setCell(1, 6, u"99");  // typed by hand: no PLOT No.
  s.orderByNearest = true;
  s.points = true;
  s.names = true;
  s.plotRange = u"5-";
  plot();
  EXPECT_EQ(file(), wholeFile(point("3.00000000", "0.00000000", "0.00000000") +
                              nameText("3.00000000", "0.00000000", "0.00000000", "2.5", "P5")));
  // P5 now stands fourth; PLOT No. 4 is still P4.
  s.plotRange = u"4";
  plot();
  EXPECT_EQ(file(), wholeFile(point("50.00000000", "0.00000000", "0.00000000") +
                              nameText("50.00000000", "0.00000000", "0.00000000", "2.5", "P4")));
}

TEST_F(PlotTest, LabelsCirclesAndTheirKindsInOrder) {
  setList({{u"  No.1 ", u"123.4567", u"456.789", u"12.3"}, {u"   ", u"-0.5", u"12345.123456789", u"x"}});
  s.points = s.circles = s.names = s.coords = true;
  plot();
  EXPECT_EQ(file(),
            wholeFile(point("123.45670000", "456.78900000", "12.30000000") +
                      point("-0.50000000", "12345.12345679", "0.00000000") +
                      circle("123.45670000", "456.78900000", "12.30000000", "0.5") +
                      circle("-0.50000000", "12345.12345679", "0.00000000", "0.5") +
                      nameText("123.45670000", "456.78900000", "12.30000000", "2.5", "No.1") +  // trimmed; blanks-only: none
                      coordText("123.45670000", "456.78900000", "12.30000000", "1.8", "123.457,456.789") +
                      coordText("-0.50000000", "12345.12345679", "0.00000000", "1.8", "-0.500,12345.123")));
  const auto& e = cad->drawing().entities();
  ASSERT_EQ(e.size(), 7u) << drawn();
  EXPECT_EQ(e[4].textString, u"No.1");
  s.zOnly = true;
  s.points = s.circles = s.names = false;
  plot();
  EXPECT_NE(file().find(coordText("123.45670000", "456.78900000", "12.30000000", "1.8", "12.300")), std::string::npos);
}

TEST_F(PlotTest, DimscaleMultipliesSizesAndZeroCountsAsOne) {
  setList({{u"A", u"1", u"2", u"3"}});
  s.circles = s.coords = true;
  s.dimscale = true;
  cad->drawing().variables().set(u"DIMSCALE", Variant(100.0));
  plot();
  EXPECT_EQ(file(), wholeFile(circle("1.00000000", "2.00000000", "3.00000000", "50") +
                              coordText("1.00000000", "2.00000000", "3.00000000", "180", "1.000,2.000")));
  cad->drawing().variables().set(u"DIMSCALE", Variant(0.0));
  plot();
  EXPECT_EQ(file(), wholeFile(circle("1.00000000", "2.00000000", "3.00000000", "0.5") +
                              coordText("1.00000000", "2.00000000", "3.00000000", "1.8", "1.000,2.000")));
  s.radius = u"abc";  // not a number: 0
  plot();
  EXPECT_NE(file().find(circle("1.00000000", "2.00000000", "3.00000000", "0")), std::string::npos);
}

TEST_F(PlotTest, JapaneseNamesInShiftJisAndControlCharactersBlanked) {
  setList({{u"測点\t1", u"1", u"2", u"3"}, {u"点\uD55C", u"1", u"2", u"3"}});
  s.names = true;
  s.nameLayer = u"測点名";
  plot();
  EXPECT_EQ(file(), wholeFile(nameText("1.00000000", "2.00000000", "3.00000000", "2.5", "\x91\xaa\x93\x5f 1",
                                       "\x91\xaa\x93\x5f\x96\xbc") +
                              nameText("1.00000000", "2.00000000", "3.00000000", "2.5", "\x93\x5f\\U+D55C",
                                       "\x91\xaa\x93\x5f\x96\xbc")));
  EXPECT_EQ(cad->drawing().entities().at(0).layer, u"測点名");
}

TEST_F(PlotTest, EmptyLayerBoxWritesLayerZero) {
  setList({{u"A", u"1", u"2", u"3"}});
  s.points = true;
  s.pointLayer = u"";
  plot();
  EXPECT_EQ(file(), wholeFile(point("1.00000000", "2.00000000", "3.00000000", "0")));
}

TEST_F(PlotTest, RefusedLayerNameWritesNothingAndNamesTheBox) {
  setList({{u"A", u"1", u"2", u"3"}});
  s.points = s.names = true;
  s.nameLayer = u"TEXT:PT";
  s.circleLayer = u"C/1";  // circles are off: their box does not matter
  plot();
  EXPECT_FALSE(fileWritten());
  EXPECT_TRUE(sentCommands().empty());
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  const auto& m = fakes.dialogs.shown[0];
  EXPECT_NE(m.message.find(u"「測点名」"), text::u16::npos);
  EXPECT_NE(m.message.find(u"TEXT:PT"), text::u16::npos);
  EXPECT_EQ(m.caption, u"確認");
  EXPECT_EQ(m.icon, platform::Icon::Question);
}

TEST_F(PlotTest, FolderWithABlankIsSentAsItsShortForm) {
  setList({{u"A", u"1", u"2", u"3"}});
  s.points = true;
  const text::u16 path = u"C:\\Program Files\\Surva\\surva.dxf";
  fakes.paths.shortNames[path] = u"C:\\PROGRA~1\\Surva\\surva.dxf";
  fakes.files.files[u"C:\\PROGRA~1\\Surva\\surva.dxf"] = "";  // the short name reaches the same file
  dxf::PlotToCad({fakes.services, kProgId, path}, s, list, working);
  EXPECT_EQ(sentCommands(), (std::vector<std::string>{"-INSERT *C:\\PROGRA~1\\Surva\\surva.dxf\r0,0,0 1 0\r"}));

  const text::u16 noShort = u"C:\\My Tools\\surva.dxf";
  dxf::PlotToCad({fakes.services, kProgId, noShort}, s, list, working);
  EXPECT_EQ(sentCommands().size(), 1u);  // no broken command
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_NE(fakes.dialogs.shown[0].message.find(noShort), text::u16::npos);
  EXPECT_TRUE(fakes.files.files.count(noShort));
}

TEST_F(PlotTest, FailedWriteEndsTheCommandAndEmptiesTheWorkingArray) {
  fiveNames();
  s.points = true;
  fakes.files.failWrites = true;
  EXPECT_THROW(plot(), Failure);
  EXPECT_TRUE(working.empty());
  EXPECT_TRUE(sentCommands().empty());
}

TEST_F(PlotTest, FileForTheIndependentReader) {
  setList({{u"A-1", u"100.5", u"200.25", u"1"},
           {u"A-2", u"110", u"210", u"2"},
           {u"A-3", u"120", u"205", u"3"},
           {u"測-1", u"300", u"-50.125", u"-1"},
           {u"測-2", u"310", u"-60", u"0"}});
  s.polylines = s.closed = s.threeD = true;
  s.points = s.circles = s.names = s.coords = true;
  plot();
  EXPECT_EQ(cad->drawing().entities().size(), 2u + 5 * 4);
  keepForReader("plot_all.dxf");
}

}  // namespace
}  // namespace surva::dxftest
