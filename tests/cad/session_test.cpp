#include <gtest/gtest.h>

#include "cad/cad_session.h"
#include "cad/dimscale_factor.h"
#include "cad/target_check.h"
#include "cad_fixture.h"

namespace surva::cadtest {
namespace {

using fakes::WindowCall;
using platform::Variant;

struct TargetCheckTest : ::testing::Test, CadFixture {};

TEST_F(TargetCheckTest, UnregisteredProgIdIsReportedOnce) {
  EXPECT_FALSE(cad::CheckTargetProgID(automation, fakes.dialogs, u"No.Such.Cad"));
  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  const auto& m = fakes.dialogs.shown[0];
  EXPECT_EQ(m.message, u"ProgID（クラス文字列）: \nNo.Such.Cad は無効です．");
  EXPECT_EQ(m.caption, u"確認");
  EXPECT_EQ(m.icon, platform::Icon::Question);
  EXPECT_EQ(m.buttons, platform::Buttons::Ok);
  EXPECT_EQ(automation.activeLookups, 0);
}

TEST_F(TargetCheckTest, RegisteredCadThatIsNotRunningGivesFalseSilently) {
  automation.stop(classId);
  EXPECT_FALSE(cad::CheckTargetProgID(automation, fakes.dialogs, kProgId));
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(TargetCheckTest, RunningCadIsFoundWhateverTheCaseOfTheProgId) {
  EXPECT_TRUE(cad::CheckTargetProgID(automation, fakes.dialogs, u"GCAD.APPLICATION.23"));
  EXPECT_TRUE(fakes.dialogs.shown.empty());
}

struct SessionTest : ::testing::Test, CadFixture {};

TEST_F(SessionTest, WindowInFrontGetsOneEscapePressAndTheDocumentIsTaken) {
  auto s = cad::OpenCadSession(services(), kProgId);
  ASSERT_TRUE(s.document);
  EXPECT_EQ(s.document->get(u"Name").toText(), u"Drawing1.dwg");
  platform::WindowHandle w = cad->window();
  std::vector<WindowCall> expected = {{"isIconic", w, 0, 0},
                                      {"setForegroundWindow", w, 0, 0},
                                      {"foregroundWindow", 0, 0, 0},
                                      {"keybdEvent", w, 27, 0},
                                      {"keybdEvent", w, 27, 2}};
  EXPECT_EQ(fakes.windows.calls, expected);
  EXPECT_EQ(fakes.clock.sleeps, (std::vector<std::uint32_t>{5, 200}));
}

TEST_F(SessionTest, MinimisedCadIsRestoredAndGiven500msFirst) {
  fakes.windows.iconic[cad->window()] = true;
  cad::OpenCadSession(services(), kProgId);
  ASSERT_GE(fakes.windows.calls.size(), 3u);
  EXPECT_EQ(fakes.windows.calls[1].name, "openIcon");
  EXPECT_EQ(fakes.windows.calls[2].name, "setForegroundWindow");
  EXPECT_EQ(fakes.clock.sleeps, (std::vector<std::uint32_t>{500, 5, 200}));
}

TEST_F(SessionTest, RefusedForegroundSendsNoKeyAndGoesOn) {
  fakes.windows.refuseForeground = true;
  fakes.windows.foreground = 0x777;  // another program stays in front
  auto s = cad::OpenCadSession(services(), kProgId);
  EXPECT_TRUE(s.document);
  for (const auto& c : fakes.windows.calls) EXPECT_NE(c.name, "keybdEvent");
  EXPECT_TRUE(fakes.clock.sleeps.empty());
}

TEST_F(SessionTest, EscapeCancelsTheCommandPendingInCad) {
  doc()->call(u"SendCommand", {Variant(u"_ID\r")});
  ASSERT_TRUE(cad->commandLine().busy());
  cad::OpenCadSession(services(), kProgId);
  EXPECT_FALSE(cad->commandLine().busy());
  EXPECT_EQ(cad->commandLine().log().back(), "*Cancel*");
}

TEST_F(SessionTest, AttachOnlyLeavesTheWindowAlone) {
  fakes.windows.iconic[cad->window()] = true;
  auto s = cad::AttachCad(automation, kProgId);
  EXPECT_TRUE(s.document);
  EXPECT_TRUE(fakes.windows.calls.empty());
  EXPECT_TRUE(fakes.clock.sleeps.empty());
}

TEST_F(SessionTest, CadGoneSinceTheCheckIsAnError) {
  automation.stop(classId);
  EXPECT_THROW(cad::OpenCadSession(services(), kProgId), platform::AutomationError);
}

TEST_F(SessionTest, DimscaleFactor) {
  auto d = doc();
  cad->drawing().variables().setRaw(u"DIMSCALE", Variant(100.0));
  EXPECT_EQ(cad::DimscaleFactor(*d, false), 1.0);
  EXPECT_EQ(cad->calls().count(u"GetVariable"), 0u);
  EXPECT_EQ(cad::DimscaleFactor(*d, true), 100.0);
  cad->drawing().variables().setRaw(u"DIMSCALE", Variant(0.0));
  EXPECT_EQ(cad::DimscaleFactor(*d, true), 1.0);
  cad->failMember(u"GetVariable");
  EXPECT_THROW(cad::DimscaleFactor(*d, true), platform::AutomationError);
}

TEST(HandOverTest, MinimisesThenWaits100msAndTakingBackRestores) {
  fakes::FakeClock clock;
  RecordingMainWindow main;
  cad::HandOverToCad(main, clock);
  EXPECT_EQ(main.events, (std::vector<std::string>{"minimise"}));
  EXPECT_EQ(clock.sleeps, (std::vector<std::uint32_t>{100}));
  cad::TakeBackFromCad(main);
  EXPECT_EQ(main.events.back(), "restore");
}

}  // namespace
}  // namespace surva::cadtest
