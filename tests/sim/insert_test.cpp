#include <gtest/gtest.h>

#include "dxf_text.h"
#include "sim/dump.h"
#include "sim_fixture.h"

namespace surva::simtest {
namespace {

using platform::Variant;
using sim::UserAction;

const char16_t kDxf[] = u"C:\\Surva\\surva.dxf";

// A plot as the program writes it: a closed 3D polyline, a point, a circle,
// a station-name label and a coordinate label (left/top), on three layers.
std::vector<std::string> plotEntities() {
  return {"  0", "POLYLINE", "  8", "SURVA_LINE", " 66", "     1", " 10", "0.0", " 20", "0.0", " 30", "0.0",
          " 70", "     9",
          "  0", "VERTEX", "  8", "SURVA_LINE", " 10", "0.00000000", " 20", "0.00000000", " 30", "1.00000000",
          "  0", "VERTEX", "  8", "SURVA_LINE", " 10", "10.00000000", " 20", "0.00000000", " 30", "2.00000000",
          "  0", "VERTEX", "  8", "SURVA_LINE", " 10", "10.00000000", " 20", "5.00000000", " 30", "3.00000000",
          "  0", "SEQEND",
          "  0", "POINT", "  8", "SURVA_POINT", " 10", "10.00000000", " 20", "5.00000000", " 30", "3.00000000",
          "  0", "CIRCLE", "  8", "SURVA_POINT", " 10", "10.00000000", " 20", "5.00000000", " 30", "3.00000000",
          " 40", "0.5",
          "  0", "TEXT", "  8", "SURVA_TEXT", " 10", "10.00000000", " 20", "5.00000000", " 30", "3.00000000",
          " 40", "2.5", "  1", "\x91\xaa\x93\x5f" "1", " 41", "1.0",  // "測点1" in Shift_JIS
          "  0", "TEXT", "  8", "SURVA_TEXT", " 72", "0", " 73", "3", " 10", "10.00000000", " 20", "5.00000000",
          " 30", "3.00000000", " 11", "10.00000000", " 21", "5.00000000", " 31", "3.00000000", " 40", "1.8",
          "  1", "10.000,5.000", " 41", "0.8"};
}

struct InsertTest : ::testing::Test, SimCadFixture {
  void send(const char16_t* s) { doc()->call(u"SendCommand", {Variant(text::u16(s))}); }
  const std::vector<std::string>& log() { return cad->commandLine().log(); }
};

TEST_F(InsertTest, PlotFileIsInsertedAtTheOriginWithItsLayers) {
  fakes.files.files[kDxf] = dxfWith(plotEntities());
  send(u"-INSERT *C:\\Surva\\surva.dxf\r0,0,0 1 0\r");
  EXPECT_FALSE(cad->commandLine().busy());
  EXPECT_EQ(sim::dumpLayers(cad->drawing()), "0\nSURVA_LINE\nSURVA_POINT\nSURVA_TEXT\n");
  const auto& e = cad->drawing().entities();
  ASSERT_EQ(e.size(), 5u) << sim::dumpEntities(cad->drawing());
  EXPECT_EQ(sim::dumpEntity(e[0]), "POLYLINE3D 2F0 layer=SURVA_LINE closed (0,0,1) (10,0,2) (10,5,3)");
  EXPECT_EQ(sim::dumpEntity(e[1]), "POINT 2F1 layer=SURVA_POINT (10,5,3)");
  EXPECT_EQ(sim::dumpEntity(e[2]), "CIRCLE 2F2 layer=SURVA_POINT (10,5,3) r=0.5");
  EXPECT_EQ(e[3].textString, u"測点1");
  EXPECT_EQ(e[3].insertion, (sim::Vec3{10, 5, 3}));
  // The coordinate label hangs from its alignment point.
  EXPECT_EQ(e[4].alignment, (sim::Vec3{10, 5, 3}));
  EXPECT_DOUBLE_EQ(e[4].insertion.y, 5 - 1.8);
  EXPECT_EQ(e[4].widthFactor, 0.8);
}

TEST_F(InsertTest, InsertAtTheLastPointPickedWithScaleAndRotation) {
  fakes.files.files[kDxf] = dxfWith({"  0", "LINE", "  8", "FRAME", " 10", "0.0", " 20", "0.00000000", " 11",
                                     "10.00000000", " 21", "0.00000000"});
  cad->user().push(UserAction::pickPoint({100, 200, 0}));
  doc()->get(u"Utility").toObject()->call(u"GetPoint", {Variant(), Variant(u"作表の左上基点を指示 : ")});
  send(u"-INSERT *C:\\Surva\\surva.dxf\r@ 1 0\r");
  ASSERT_EQ(cad->drawing().entities().size(), 1u);
  EXPECT_EQ(sim::dumpEntity(cad->drawing().entities()[0]), "LINE 2F0 layer=FRAME (100,200,0)-(110,200,0)");

  send(u"-INSERT *C:\\Surva\\surva.dxf\r@1,1 2 90\r");
  ASSERT_EQ(cad->drawing().entities().size(), 2u);
  const auto& l = cad->drawing().entities()[1];
  EXPECT_EQ(l.start, (sim::Vec3{101, 201, 0}));
  EXPECT_NEAR(l.end.x, 101, 1e-9);
  EXPECT_NEAR(l.end.y, 221, 1e-9);
}

TEST_F(InsertTest, AnswersMayComeInPiecesAndBlankAnswersTakeDefaults) {
  fakes.files.files[kDxf] = dxfWith({"  0", "POINT", "  8", "P", " 10", "1.0", " 20", "2.0", " 30", "0.0"});
  send(u"-INSERT *C:\\Surva\\surva.dxf\r");
  EXPECT_TRUE(cad->commandLine().busy());
  send(u"5,5");  // not yet ended
  EXPECT_TRUE(cad->commandLine().busy());
  send(u"\r\r\r");
  EXPECT_FALSE(cad->commandLine().busy());
  EXPECT_EQ(cad->drawing().entities().at(0).start, (sim::Vec3{6, 7, 0}));
}

TEST_F(InsertTest, MalformedFileAddsNothingAndIsLogged) {
  struct Case {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"truncated", crlf(dxfHead()) + crlf({"  0", "POINT", "  8", "P", " 10"})},
      {"no EOF", crlf(dxfHead()) + crlf({"  0", "POINT", " 10", "1.0", " 20", "2.0", "  0", "ENDSEC"})},
      {"bad number", dxfWith({"  0", "CIRCLE", " 10", "1.O", " 20", "2.0", " 40", "1"})},
      {"bad group code", dxfWith({"  0", "POINT", "ten", "1.0"})},
      {"vertex alone", dxfWith({"  0", "VERTEX", " 10", "1.0", " 20", "2.0"})},
      {"polyline unended", dxfWith({"  0", "POLYLINE", " 66", "1", "  0", "VERTEX", " 10", "1.0", "  0", "POINT"})},
      {"empty", ""},
      {"binary", std::string("\0\x01\x02garbage", 10)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fakes.files.files[kDxf] = c.bytes;
    std::size_t lines = log().size();
    send(u"-INSERT *C:\\Surva\\surva.dxf\r0,0,0 1 0\r");
    EXPECT_TRUE(cad->drawing().entities().empty());
    EXPECT_EQ(cad->drawing().layers().size(), 1u);
    EXPECT_FALSE(cad->commandLine().busy());
    bool logged = false;
    for (std::size_t i = lines; i < log().size(); ++i) logged |= log()[i].rfind("Error: ", 0) == 0;
    EXPECT_TRUE(logged);
  }
  EXPECT_TRUE(app->call(u"GetGcadState").toObject()->get(u"IsQuiescent").toBool());
}

TEST_F(InsertTest, MissingFileIsLoggedAndTheRestIsReadAsCommands) {
  send(u"-INSERT *C:\\No\\file.dxf\r0,0,0 1 0\r");
  EXPECT_TRUE(cad->drawing().entities().empty());
  EXPECT_FALSE(cad->commandLine().busy());
  EXPECT_NE(std::find(log().begin(), log().end(), "Error: \"C:\\No\\file.dxf\": Can't find file."), log().end());
}

TEST_F(InsertTest, BlankInAPathEndsTheAnswerUnlessQuoted) {
  fakes.files.files[u"C:\\My Tools\\surva.dxf"] = dxfWith({"  0", "POINT", " 10", "1.0", " 20", "2.0"});
  send(u"-INSERT *C:\\My Tools\\surva.dxf\r0,0,0 1 0\r");
  EXPECT_TRUE(cad->drawing().entities().empty());
  send(u"-INSERT \"*C:\\My Tools\\surva.dxf\"\r0,0,0 1 0\r");
  EXPECT_EQ(cad->drawing().entities().size(), 1u);
}

}  // namespace
}  // namespace surva::simtest

namespace surva::simtest {
namespace {

struct InsertMoreTest : ::testing::Test, SimCadFixture {
  void send(const char16_t* s) { doc()->call(u"SendCommand", {platform::Variant(text::u16(s))}); }
};

TEST_F(InsertMoreTest, LayerTableArcAndTwoDimensionalPolyline) {
  auto lines = dxfHead();
  lines.resize(lines.size() - 6);  // reopen TABLES: drop its ENDSEC and the ENTITIES opening
  lines.insert(lines.end(), {"  0", "TABLE", "  2", "LAYER", " 70", "1", "  0", "LAYER", "  2", "BANK", " 70", "0",
                             " 62", "3", "  6", "CONTINUOUS", "  0", "ENDTAB", "  0", "ENDSEC", "  0", "SECTION",
                             "  2", "ENTITIES"});
  lines.insert(lines.end(), {"  0", "ARC", "  8", "BANK", " 10", "1", " 20", "1", " 30", "0", " 40", "2", " 50", "0",
                             " 51", "90", "  0", "POLYLINE", "  8", "road", " 66", "1", " 10", "0", " 20", "0", " 30",
                             "4", " 70", "1", "  0", "VERTEX", " 10", "0", " 20", "0", " 30", "99", " 42", "0.5",
                             "  0", "VERTEX", " 10", "3", " 20", "0", "  0", "SEQEND", "  0", "CIRCLE", " 10", "0",
                             " 20", "0", " 40", "1"});
  auto end = dxfEnd();
  lines.insert(lines.end(), end.begin(), end.end());
  fakes.files.files[u"C:\\a.dxf"] = crlf(lines);
  send(u"-INSERT *C:\\a.dxf\r0,0,0 1 0\r");
  auto& d = cad->drawing();
  ASSERT_EQ(d.entities().size(), 3u) << testing::PrintToString(cad->commandLine().log());
  EXPECT_EQ(d.findLayer(u"BANK")->color, 3);
  EXPECT_TRUE(d.findLayer(u"road"));
  EXPECT_EQ(sim::dumpEntity(d.entities()[1]), "POLYLINE 2F1 layer=road closed (0,0,4)b0.5 (3,0,4)");
  EXPECT_EQ(d.entities()[1].kind, sim::EntityKind::Polyline2d);
  EXPECT_EQ(d.entities()[1].elevation, 4);
  EXPECT_NEAR(d.entities()[0].endAngle, 1.5707963267948966, 1e-15);
}

TEST_F(InsertMoreTest, WithoutTheStarTheFileComesInAsOneBlockReference) {
  fakes.files.files[u"C:\\b.dxf"] = dxfWith({"  0", "POINT", " 10", "1", " 20", "2"});
  send(u"-INSERT C:\\b.dxf\r5,5\r\r\r\r");
  ASSERT_EQ(cad->drawing().entities().size(), 1u);
  EXPECT_EQ(sim::dumpEntity(cad->drawing().entities()[0]), "INSERT 2F0 layer=0 \"b\" at (5,5,0)");
}

TEST_F(InsertMoreTest, EscapeDropsTypedTextAndThePendingInsert) {
  fakes.files.files[u"C:\\b.dxf"] = dxfWith({"  0", "POINT", " 10", "1", " 20", "2"});
  send(u"-INSERT *C:\\b.dxf\r5,5");
  cad->escape();
  send(u"\r");
  EXPECT_FALSE(cad->commandLine().busy());
  EXPECT_TRUE(cad->drawing().entities().empty());
}

}  // namespace
}  // namespace surva::simtest
