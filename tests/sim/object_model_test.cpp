#include <gtest/gtest.h>

#include "sim/dump.h"
#include "sim_fixture.h"

namespace surva::simtest {
namespace {

using platform::AutomationError;
using platform::Variant;

struct ObjectModelTest : ::testing::Test, SimCadFixture {};

TEST_F(ObjectModelTest, MembersMatchWithoutRegardToCaseAndAreLogged) {
  auto d = doc();
  cad->drawing().variables().setRaw(u"DIMSCALE", Variant(100.0));
  EXPECT_EQ(d->call(u"getvariable", {Variant(u"dimscale")}), Variant(100.0));
  EXPECT_EQ(d->call(u"GetVariable", {Variant(u"SNAPMODE")}).kind(), Variant::Kind::Int16);
  EXPECT_EQ(cad->calls().count(u"GETVARIABLE"), 2u);
  EXPECT_EQ(app->get(u"hwnd").toInt(), 0x1001);
  EXPECT_THROW(d->get(u"NoSuchMember"), AutomationError);
}

TEST_F(ObjectModelTest, EntitiesShowTheMembersOfTheirKind) {
  auto& dr = cad->drawing();
  dr.add(sim::makeLine({0, 0, 0}, {10, 5, 1}));
  dr.add(sim::makeLwPolyline({{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}}, 10, true));
  dr.add(sim::makePolyline3d({{0, 0, 1}, {2, 0, 3}}, false));
  dr.add(sim::makeText(u"P1", {5, 5, 0}, 2.5, sim::kRight, sim::kBaseline));
  auto ms = doc()->get(u"ModelSpace").toObject();
  ASSERT_EQ(ms->get(u"Count").toInt(), 4);

  auto line = ms->call(u"Item", {Variant(0)}).toObject();
  EXPECT_EQ(line->get(u"EntityName").toText(), u"AcDbLine");
  EXPECT_EQ(line->get(u"endpoint"), Variant::point(10, 5, 1));
  EXPECT_EQ(line->get(u"Normal", {Variant(2)}), Variant(1.0));

  auto lw = ms->call(u"Item", {Variant(1)}).toObject();
  EXPECT_EQ(lw->get(u"EntityName").toText(), u"AcDbPolyline");
  EXPECT_EQ(lw->get(u"Coordinates").arraySize(), 8u);
  EXPECT_EQ(lw->get(u"Closed"), Variant(true));
  EXPECT_EQ(lw->get(u"Elevation"), Variant(10.0));
  EXPECT_EQ(lw->call(u"GetBulge", {Variant(3)}), Variant(0.0));
  EXPECT_THROW(lw->call(u"GetBulge", {Variant(4)}), AutomationError);

  auto p3 = ms->call(u"Item", {Variant(2)}).toObject();
  EXPECT_EQ(p3->get(u"Coordinates").toDoubles(), (std::vector<double>{0, 0, 1, 2, 0, 3}));
  EXPECT_THROW(p3->get(u"Elevation"), AutomationError);

  auto t = ms->call(u"Item", {Variant(3)}).toObject();
  EXPECT_EQ(t->get(u"TextAlignmentPoint"), Variant::point(5, 5, 0));
  EXPECT_LT(t->get(u"InsertionPoint").toDoubles()[0], 5.0);
  EXPECT_EQ(t->get(u"HorizontalAlignment"), Variant(2));
}

}  // namespace
}  // namespace surva::simtest
