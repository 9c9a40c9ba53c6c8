#include <gtest/gtest.h>

#include "sim/dump.h"
#include "sim_fixture.h"

namespace surva::simtest {
namespace {

using platform::AutomationError;
using platform::Variant;
using platform::VariantArray;
using sim::UserAction;

struct UserActionsTest : ::testing::Test, SimCadFixture {
  UserActionsTest() {
    auto& d = cad->drawing();
    line = d.add(sim::makeLine({0, 0, 0}, {1, 0, 0})).handle;
    text = d.add(sim::makeText(u"P1", {1, 1, 0}, 2.5, sim::kLeft, sim::kBaseline, u"TXT")).handle;
    mtext = d.add(sim::makeMText(u"note", {2, 2, 0}, 2.5)).handle;
    point = d.add(sim::makePoint({3, 3, 0})).handle;
  }
  platform::ObjectPtr newSet(const char16_t* name = u"ssTemp") {
    return doc()->get(u"SelectionSets").toObject()->call(u"Add", {Variant(name)}).toObject();
  }
  bool quiescent() { return app->call(u"GetGcadState").toObject()->get(u"IsQuiescent").toBool(); }
  text::u16 line, text, mtext, point;
};

TEST_F(UserActionsTest, SelectOnScreenTakesTheUsersSelectionUntilFinished) {
  auto set = newSet();
  cad->user().push(UserAction::select({line, text}));
  cad->user().push(UserAction::pickEntity(point));
  cad->user().push(UserAction::pickEntity(line));  // already selected
  cad->user().push(UserAction::finish());
  set->call(u"SelectOnScreen", {Variant(), Variant()});
  ASSERT_EQ(set->get(u"Count").toInt(), 3);
  EXPECT_EQ(set->call(u"Item", {Variant(2)}).toObject()->get(u"Handle").toText(), point);
  EXPECT_TRUE(cad->user().empty());
}

TEST_F(UserActionsTest, TypeFilterAdmitsOnlyThatKind) {
  auto set = newSet();
  cad->user().push(UserAction::select({line, text, mtext, point}));
  cad->user().push(UserAction::finish());
  VariantArray types{Variant(std::int16_t(0))};
  VariantArray values{Variant(u"TEXT")};
  set->call(u"SelectOnScreen", {Variant(types), Variant(values)});
  ASSERT_EQ(set->get(u"Count").toInt(), 1);
  EXPECT_EQ(set->call(u"Item", {Variant(0)}).toObject()->get(u"EntityName").toText(), u"AcDbText");
}

TEST_F(UserActionsTest, EscapeDropsWhatThisSelectionPicked) {
  auto set = newSet();
  cad->user().push(UserAction::select({line}));
  cad->user().push(UserAction::escape());
  set->call(u"SelectOnScreen");
  EXPECT_EQ(set->get(u"Count").toInt(), 0);
}

TEST_F(UserActionsTest, BlockingCallWithNothingScriptedFailsInsteadOfHanging) {
  auto set = newSet();
  EXPECT_THROW(set->call(u"SelectOnScreen"), AutomationError);
  int asked = 0;
  cad->user().onStarved = [&] {
    cad->user().push(UserAction::finish());
    return ++asked == 1;
  };
  EXPECT_NO_THROW(set->call(u"SelectOnScreen"));
  EXPECT_EQ(asked, 1);
}

TEST_F(UserActionsTest, SecondSetOfTheSameNameIsRefused) {
  newSet();
  EXPECT_THROW(newSet(), AutomationError);
  doc()->get(u"SelectionSets").toObject()->call(u"Item", {Variant(0)}).toObject()->call(u"Delete");
  EXPECT_NO_THROW(newSet());
}

TEST_F(UserActionsTest, GetEntityWritesItsByReferenceArguments) {
  auto util = doc()->get(u"Utility").toObject();
  Variant ent = Variant::ref(), pt = Variant::ref();
  cad->user().push(UserAction::pickEntity(text, {1.2, 1.1, 0}));
  util->call(u"GetEntity", {ent, pt, Variant(u"画層名を参照する TEXT を選択 : ")});
  auto picked = ent.deref().toObject();
  EXPECT_EQ(picked->get(u"EntityName").toText(), u"AcDbText");
  EXPECT_EQ(picked->get(u"Layer").toText(), u"TXT");
  EXPECT_EQ(pt.deref(), Variant::point(1.2, 1.1, 0));

  cad->user().push(UserAction::pickPoint({50, 50, 0}));  // nothing under the cursor
  EXPECT_THROW(util->call(u"GetEntity", {ent, pt, Variant(u"")}), AutomationError);
  cad->user().push(UserAction::escape());
  EXPECT_THROW(util->call(u"GetEntity", {ent, pt, Variant(u"")}), AutomationError);
  cad->user().push(UserAction::pickEntity(text));
  EXPECT_THROW(util->call(u"GetEntity", {Variant(), Variant(), Variant(u"")}), AutomationError);  // not by reference
}

TEST_F(UserActionsTest, GetPointSetsTheLastPointAndFailsOnEscape) {
  auto util = doc()->get(u"Utility").toObject();
  cad->user().push(UserAction::pickPoint({7, 8, 9}));
  EXPECT_EQ(util->call(u"GetPoint", {Variant(), Variant(u"")}), Variant::point(7, 8, 9));
  EXPECT_EQ(cad->drawing().variables().point(u"LASTPOINT"), (sim::Vec3{7, 8, 9}));
  cad->user().push(UserAction::escape());
  EXPECT_THROW(util->call(u"GetPoint", {Variant(), Variant(u"")}), AutomationError);
}

TEST_F(UserActionsTest, IdCommandWaitsForThePickAndIsNotQuiescentMeanwhile) {
  EXPECT_TRUE(quiescent());
  cad->drawing().add(sim::makeLine({12340, 200.5, 0}, {12350, 200.5, 0}));
  cad->drawing().add(sim::makeLine({12345.6, 190, 0}, {12345.6, 210, 0}));
  doc()->call(u"SendCommand", {Variant(u"_ID\r_int\r")});
  EXPECT_EQ(cad->commandLine().pendingSnap(), u"int");
  cad->user().push(UserAction::wait(1));
  cad->user().push(UserAction::pickPoint({12346, 200.1, 0}));  // snapped to the crossing
  EXPECT_FALSE(quiescent());
  EXPECT_TRUE(quiescent());
  EXPECT_EQ(cad->commandLine().lastSnapUsed, u"int");
  EXPECT_EQ(doc()->call(u"GetVariable", {Variant(u"LASTPOINT")}), Variant::point(12345.6, 200.5, 0));
}

TEST_F(UserActionsTest, EscapeCancelsTheIdCommandAndKeepsTheLastPoint) {
  cad->drawing().variables().setPoint(u"LASTPOINT", {1, 2, 3});
  doc()->call(u"SendCommand", {Variant(u"_ID\r")});
  cad->keyEvent(27, 2);  // a key up alone does nothing
  EXPECT_TRUE(cad->commandLine().busy());
  cad->keyEvent(27, 0);
  EXPECT_TRUE(quiescent());
  EXPECT_EQ(cad->drawing().variables().point(u"LASTPOINT"), (sim::Vec3{1, 2, 3}));

  doc()->call(u"SendCommand", {Variant(u"_ID\r")});
  cad->user().push(UserAction::escape());
  EXPECT_TRUE(quiescent());
  doc()->call(u"SendCommand", {Variant(u"ID\r4,5\r")});  // a typed answer needs no pick
  EXPECT_EQ(cad->drawing().variables().point(u"LASTPOINT"), (sim::Vec3{4, 5, 0}));
}

TEST_F(UserActionsTest, BusyCadMayRefuseDrawingCalls) {
  SimCadFixture busy;
  auto cad2 = std::make_shared<sim::Cad>(busy.fakes.files, busy.fakes.codec, sim::CadOptions{.rejectWhileBusy = true});
  auto app2 = sim::makeApplication(cad2);
  auto d = app2->get(u"ActiveDocument").toObject();
  d->call(u"SendCommand", {Variant(u"_ID\r")});
  EXPECT_THROW(d->call(u"GetVariable", {Variant(u"DIMSCALE")}), AutomationError);
  EXPECT_FALSE(app2->call(u"GetAcadState").toObject()->get(u"IsQuiescent").toBool());
  cad2->escape();
  EXPECT_NO_THROW(d->call(u"GetVariable", {Variant(u"DIMSCALE")}));
}

TEST_F(UserActionsTest, ClosedCadFailsEveryCall) {
  cad->user().push(UserAction::close());
  auto set = newSet();
  EXPECT_THROW(set->call(u"SelectOnScreen"), AutomationError);
  try {
    doc();
    FAIL();
  } catch (const AutomationError& e) {
    EXPECT_EQ(static_cast<std::uint32_t>(e.code()), 0x800706BAu);
  }
}

}  // namespace
}  // namespace surva::simtest
