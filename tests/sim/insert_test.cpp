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
