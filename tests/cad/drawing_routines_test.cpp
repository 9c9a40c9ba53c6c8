#include <gtest/gtest.h>

#include "cad/ensure_layer.h"
#include "cad/message_filter_answers.h"
#include "cad/temp_selection_set.h"
#include "cad/var_to_point.h"
#include "cad/wait_quiescent.h"
#include "cad_fixture.h"
#include "sim/dump.h"

namespace surva::cadtest {
namespace {

using platform::Variant;
using sim::UserAction;

// A CAD whose drawing was closed under the command: every member that must
// hand back an object returns nothing.
struct NothingObject : platform::Object {
  Variant get(text::u16view member, const platform::VariantArray&) override {
    if (member == u"Count") return Variant(std::int32_t(1));
    return Variant(platform::ObjectPtr{});
  }
  void put(text::u16view, const Variant&) override {}
  Variant call(text::u16view, const platform::VariantArray&) override { return Variant(platform::ObjectPtr{}); }
};

TEST(NullObjectTest, RoutinesRaiseAnErrorForTheCommand) {
  NothingObject nothing;
  EXPECT_THROW(cad::EnsureLayer(nothing, u"PT"), platform::AutomationError);
  EXPECT_THROW(cad::GetTempSelectionSet(nothing), platform::AutomationError);
  EXPECT_EQ(Variant(platform::ObjectPtr{}).toObjectOrNull(), nullptr);
}

TEST(CadStateMemberTest, ChosenByProgIdWithGcadFirst) {
  EXPECT_EQ(cad::CadStateMember(u"Gcad.Application.23"), u"GetGcadState");
  EXPECT_EQ(cad::CadStateMember(u"gcad.application.24"), u"GetAcadState");
  EXPECT_EQ(cad::CadStateMember(u"GCAD.Application.25"), u"GetAcadState");
  EXPECT_EQ(cad::CadStateMember(u"Gcad.Application"), u"GetGcadState");  // no number after the last "."
  EXPECT_EQ(cad::CadStateMember(u"Gcad.Application.x24"), u"GetGcadState");
  EXPECT_EQ(cad::CadStateMember(u"GcadNoDot"), u"GetGcadState");
  EXPECT_EQ(cad::CadStateMember(u"ZWCAD.Application.2024"), u"GetZcadState");
  EXPECT_EQ(cad::CadStateMember(u"AutoCAD.Application.24"), u"GetAcadState");
  EXPECT_EQ(cad::CadStateMember(u"Other.Cad"), u"GetAcadState");
  // Both words: the GstarCAD test comes first.
  EXPECT_EQ(cad::CadStateMember(u"ZWCAD.GCAD.23"), u"GetGcadState");
}

struct WaitTest : ::testing::Test, CadFixture {};

TEST_F(WaitTest, SleepsOnceBeforeTheFirstPollEvenWhenIdle) {
  cad::WaitCadQuiescent(fakes.clock, kProgId, *app(), 200);
  EXPECT_EQ(fakes.clock.sleeps, (std::vector<std::uint32_t>{200}));
  EXPECT_EQ(cad->calls().count(u"GetGcadState"), 1u);
}

TEST_F(WaitTest, PollsUntilTheUserHasPickedAndUsesTheProgIdsMember) {
  doc()->call(u"SendCommand", {Variant(u"_ID\r_int\r")});
  cad->user().push(UserAction::wait(2));
  cad->user().push(UserAction::pickPoint({12, 34, 0}));
  cad::WaitCadQuiescent(fakes.clock, u"ZWCAD.Application", *app(), 200);
  EXPECT_EQ(fakes.clock.sleeps, (std::vector<std::uint32_t>{200, 200, 200}));
  EXPECT_EQ(cad->calls().count(u"GetZcadState"), 3u);
  EXPECT_EQ(cad->calls().count(u"GetGcadState"), 0u);
  EXPECT_EQ(cad->drawing().variables().point(u"LASTPOINT"), (sim::Vec3{12, 34, 0}));
}

TEST_F(WaitTest, ClosedCadEndsTheWaitWithAnError) {
  doc()->call(u"SendCommand", {Variant(u"_ID\r")});
  cad->user().push(UserAction::close());
  EXPECT_THROW(cad::WaitCadQuiescent(fakes.clock, kProgId, *app(), 200), platform::AutomationError);
}

TEST_F(WaitTest, MissingStateMemberFails) {
  CadFixture acadOnly(sim::CadOptions{u"AutoCAD", 0x2002, {u"GetAcadState"}, false});
  EXPECT_THROW(cad::WaitCadQuiescent(fakes.clock, kProgId, *acadOnly.app(), 200), platform::AutomationError);
  EXPECT_NO_THROW(cad::WaitCadQuiescent(fakes.clock, u"AutoCAD.Application", *acadOnly.app(), 200));
}

struct EnsureLayerTest : ::testing::Test, CadFixture {};

TEST_F(EnsureLayerTest, OnlyTheDrawingsNamesAreUpperCased) {
  cad->drawing().ensureLayer(u"surva_text");
  cad::EnsureLayer(*app(), u"SURVA_TEXT");
  EXPECT_EQ(cad->calls().count(u"Add", u"Layers"), 0u);

  cad::EnsureLayer(*app(), u"surva_text");  // the given name stays as it is, so no layer matches
  EXPECT_EQ(cad->calls().count(u"Add", u"Layers"), 1u);
  EXPECT_EQ(cad->drawing().layers().size(), 2u);  // the CAD hands back the layer it has

  cad::EnsureLayer(*app(), u"NEW");
  EXPECT_EQ(sim::dumpLayers(cad->drawing()), "0\nsurva_text\nNEW\n");
}

TEST_F(EnsureLayerTest, FailingCallReachesTheCaller) {
  cad->failMember(u"Layers");
  EXPECT_THROW(cad::EnsureLayer(*app(), u"X"), platform::AutomationError);
}

struct TempSetTest : ::testing::Test, CadFixture {};

TEST_F(TempSetTest, ExistingSetIsReusedEmptied) {
  auto d = doc();
  auto other = d->get(u"SelectionSets").toObject()->call(u"Add", {Variant(u"other")}).toObject();
  auto first = cad::GetTempSelectionSet(*d);
  std::string h = text::toUtf8(cad->drawing().add(sim::makePoint({1, 2, 3})).handle);
  cad->user().push(UserAction::select({text::ascii(h)}));
  cad->user().push(UserAction::finish());
  first->call(u"SelectOnScreen");
  ASSERT_EQ(first->get(u"Count").toInt(), 1);

  auto again = cad::GetTempSelectionSet(*d);
  EXPECT_EQ(again->get(u"Count").toInt(), 0);
  EXPECT_EQ(again->get(u"Name").toText(), u"ssTemp");
  EXPECT_EQ(d->get(u"SelectionSets").toObject()->get(u"Count").toInt(), 2);
  EXPECT_EQ(cad->calls().count(u"Add", u"SelectionSets"), 2u);  // "other" and the first "ssTemp"
  EXPECT_EQ(first->get(u"Count").toInt(), 0);                    // one set behind both handles
}

TEST_F(TempSetTest, DeletedSetIsMadeAnew) {
  auto d = doc();
  cad::GetTempSelectionSet(*d)->call(u"Delete");
  auto s = cad::GetTempSelectionSet(*d);
  EXPECT_EQ(s->get(u"Name").toText(), u"ssTemp");
  EXPECT_EQ(d->get(u"SelectionSets").toObject()->get(u"Count").toInt(), 1);
}

TEST(VarToAcadPointTest, ConvertsEachElement) {
  auto p = cad::VarToAcadPoint(Variant::point(1.5, -2, 3));
  EXPECT_EQ(p.x, 1.5);
  EXPECT_EQ(p.y, -2);
  EXPECT_EQ(p.z, 3);
  auto q = cad::VarToAcadPoint(Variant(platform::VariantArray{Variant(1), Variant(u"2.5"), Variant(4.0)}));
  EXPECT_EQ(q.y, 2.5);
  EXPECT_THROW(cad::VarToAcadPoint(Variant(std::vector<double>{1, 2})), Failure);
  EXPECT_THROW(cad::VarToAcadPoint(Variant(u"1,2,3")), Failure);
}

TEST(MessageFilterTest, Answers) {
  EXPECT_EQ(cad::HandleInComingCall(0, 0, 0), 0u);
  EXPECT_EQ(cad::RetryRejectedCall(0, 0, 2), 1000);
  // A CAD that stays busy is given up after a minute.
  EXPECT_EQ(cad::RetryRejectedCall(0, 59999, 2), 1000);
  EXPECT_EQ(cad::RetryRejectedCall(0, 60000, 2), -1);
  EXPECT_EQ(cad::RetryRejectedCall(0, 1500, 2, 1500), -1);
  EXPECT_EQ(cad::RetryRejectedCall(0, 0, 1), -1);
  EXPECT_EQ(cad::RetryRejectedCall(0, 0, 0), -1);
  EXPECT_EQ(cad::MessagePending(0, 0, 2), 1u);
}

}  // namespace
}  // namespace surva::cadtest
