// The routines together, as a picking command drives them: session, layer,
// ID on the command line, idle wait, last point.
#include <gtest/gtest.h>

#include "cad/cad_session.h"
#include "cad/ensure_layer.h"
#include "cad/var_to_point.h"
#include "cad/wait_quiescent.h"
#include "cad_fixture.h"

namespace surva::cadtest {
namespace {

using platform::Variant;
using sim::UserAction;

struct PickingRoundTest : ::testing::Test, CadFixture {
  points::TAcadPoint lastPoint(platform::Object& d) {
    return cad::VarToAcadPoint(d.call(u"GetVariable", {Variant(u"LASTPOINT")}));
  }
};

TEST_F(PickingRoundTest, PickThenEscapeEndsWithTheLastPointOfThePick) {
  // A command left pending in CAD is cancelled by the session's Escape.
  doc()->call(u"SendCommand", {Variant(u"-INSERT\r")});
  auto s = cad::OpenCadSession(services(), kProgId);
  EXPECT_FALSE(cad->commandLine().busy());
  cad::EnsureLayer(*s.application, u"SURVA_TEXTPT");

  // The user picks while the program sleeps between polls.
  int polls = 0;
  fakes.clock.onSleep = [&](std::uint32_t) {
    if (++polls == 3) cad->commandLine().pointPicked({15, 25, 0});
  };
  auto p0 = lastPoint(*s.document);
  s.document->call(u"SendCommand", {Variant(u"_ID\r_int\r")});
  cad::WaitCadQuiescent(fakes.clock, kProgId, *s.application, 200);
  auto p1 = lastPoint(*s.document);
  EXPECT_EQ(p0.x, 0);
  EXPECT_EQ(p1.x, 15);
  EXPECT_EQ(p1.y, 25);
  EXPECT_EQ(cad->calls().count(u"GetGcadState"), 3u);  // busy twice, idle after the third sleep
  EXPECT_EQ(fakes.clock.sleeps.size(), 2u + 3u);       // the Escape press, then the wait

  // Esc at the next prompt: the last point stays, so no second pick counts.
  cad->user().push(UserAction::escape());
  s.document->call(u"SendCommand", {Variant(u"_ID\r")});
  cad::WaitCadQuiescent(fakes.clock, kProgId, *s.application, 200);
  EXPECT_EQ(lastPoint(*s.document).x, 15);
  EXPECT_TRUE(cad->drawing().findLayer(u"SURVA_TEXTPT"));
}

}  // namespace
}  // namespace surva::cadtest
