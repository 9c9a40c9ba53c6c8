#include <gtest/gtest.h>

#include <numbers>

#include "dxf_text.h"
#include "sim/dump.h"
#include "sim_fixture.h"

namespace surva::simtest {
namespace {

using platform::AutomationError;
using platform::Variant;

struct DrawingMembersTest : ::testing::Test, SimCadFixture {
  platform::ObjectPtr entity(std::size_t i) {
    return doc()->get(u"ModelSpace").toObject()->call(u"Item", {Variant(std::int32_t(i))}).toObject();
  }
};

TEST_F(DrawingMembersTest, SnapModeTakesBothIntegerWidthsUnlessTheCadRefuses) {
  auto d = doc();
  d->call(u"SetVariable", {Variant(u"SNAPMODE"), Variant(std::int32_t(1))});
  EXPECT_EQ(d->call(u"GetVariable", {Variant(u"SNAPMODE")}).toInt(), 1);
  d->call(u"SetVariable", {Variant(u"SNAPMODE"), Variant(std::int16_t(0))});
  EXPECT_EQ(d->call(u"GetVariable", {Variant(u"SNAPMODE")}).toInt(), 0);
  EXPECT_THROW(d->call(u"SetVariable", {Variant(u"SNAPMODE"), Variant(1.0)}), AutomationError);
  EXPECT_THROW(d->call(u"SetVariable", {Variant(u"SNAPMODE"), Variant(std::int32_t(5))}), AutomationError);
  cad->drawing().variables().snapModeRefusesInt32 = true;
  EXPECT_THROW(d->call(u"SetVariable", {Variant(u"SNAPMODE"), Variant(std::int32_t(1))}), AutomationError);
  EXPECT_NO_THROW(d->call(u"SetVariable", {Variant(u"SNAPMODE"), Variant(std::int32_t(0))}));  // switching off
  EXPECT_NO_THROW(d->call(u"SetVariable", {Variant(u"SNAPMODE"), Variant(std::int16_t(1))}));
  EXPECT_THROW(d->call(u"SetVariable", {Variant(u"VIEWSIZE"), Variant(5.0)}), AutomationError);
  EXPECT_THROW(d->call(u"GetVariable", {Variant(u"NOSUCHVAR")}), AutomationError);
}

TEST_F(DrawingMembersTest, ZoomCenterMovesTheViewAndRegenCounts) {
  Variant centre = Variant::ref(Variant::point(10, 20, 0));
  Variant size = Variant::ref(doc()->call(u"GetVariable", {Variant(u"VIEWSIZE")}));
  app->call(u"ZoomCenter", {centre, size});
  doc()->call(u"Regen", {Variant(0)});
  EXPECT_EQ(cad->drawing().variables().point(u"VIEWCTR"), (sim::Vec3{10, 20, 0}));
  EXPECT_EQ(cad->drawing().variables().number(u"VIEWSIZE"), 100.0);
  EXPECT_EQ(cad->drawing().regenerations, 1);
}

TEST_F(DrawingMembersTest, AddTextThenLayerAndUpdate) {
  cad->drawing().ensureLayer(u"SURVA_TEXTPT");
  Variant h = Variant::ref(Variant(2.5));
  auto t = doc()->get(u"ModelSpace").toObject()->call(u"AddText", {Variant(u"101"), Variant::point(1, 2, 0), h}).toObject();
  t->put(u"Layer", Variant(u"surva_textpt"));
  t->call(u"Update");
  EXPECT_EQ(sim::dumpEntity(cad->drawing().entities().at(0)), "TEXT 2F0 layer=SURVA_TEXTPT \"101\" at (1,2,0) h=2.5");
  EXPECT_THROW(t->put(u"Layer", Variant(u"NO_SUCH_LAYER")), AutomationError);
}

TEST_F(DrawingMembersTest, ArcEllipseAndPolylineMembers) {
  auto& d = cad->drawing();
  d.add(sim::makeArc({0, 0, 0}, 2, 0, std::numbers::pi / 2));
  d.add(sim::makeEllipse({1, 1, 0}, {4, 0, 0}, 0.5, 0, std::numbers::pi));
  auto p2 = sim::makePolyline2d({{0, 0, 0}, {5, 0, 0}}, 7, false);
  p2.bulges[0] = 0.25;
  p2.normal = {0, 0, -1};
  d.add(p2);
  d.add(sim::makePoint({4, 5, 6}));

  auto arc = entity(0);
  EXPECT_EQ(arc->get(u"EndAngle").toDouble(), std::numbers::pi / 2);
  EXPECT_EQ(arc->get(u"center"), Variant::point(0, 0, 0));
  auto ell = entity(1);
  EXPECT_EQ(ell->get(u"EntityName").toText(), u"AcDbEllipse");
  EXPECT_EQ(ell->get(u"RadiusRatio"), Variant(0.5));
  auto end = ell->get(u"endpoint").toDoubles();
  EXPECT_NEAR(end[0], -3, 1e-9);
  EXPECT_NEAR(end[1], 1, 1e-9);
  auto pl = entity(2);
  EXPECT_EQ(pl->get(u"EntityName").toText(), u"AcDb2dPolyline");
  EXPECT_EQ(pl->get(u"Coordinates").toDoubles(), (std::vector<double>{0, 0, 7, 5, 0, 7}));
  EXPECT_EQ(pl->get(u"Normal", {Variant(2)}), Variant(-1.0));
  EXPECT_EQ(pl->get(u"Normal"), Variant::point(0, 0, -1));
  EXPECT_THROW(pl->get(u"Normal", {Variant(3)}), AutomationError);
  EXPECT_EQ(pl->call(u"GetBulge", {Variant(0)}), Variant(0.25));
  EXPECT_EQ(pl->get(u"Closed"), Variant(false));
  EXPECT_EQ(entity(3)->get(u"Coordinates"), Variant::point(4, 5, 6));
}

TEST_F(DrawingMembersTest, TextJustificationsAsTheCadReportsThem) {
  // Every justification of a DXF TEXT: (72, 73) pairs with the alignment point at (10, 20).
  std::vector<std::string> ents;
  int pairs[][2] = {{0, 0}, {1, 0}, {2, 0}, {4, 0}, {0, 1}, {1, 2}, {2, 3}, {3, 0}, {5, 0}};
  for (auto [h, v] : pairs)
    ents.insert(ents.end(), {"  0", "TEXT", " 72", std::to_string(h), " 73", std::to_string(v), " 10", "1.0", " 20",
                             "2.0", " 11", "10.0", " 21", "20.0", " 40", "2.0", "  1", "ABC"});
  fakes.files.files[u"C:\\t.dxf"] = dxfWith(ents);
  doc()->call(u"SendCommand", {Variant(u"-INSERT *C:\\t.dxf\r0,0,0 1 0\r")});
  ASSERT_EQ(cad->drawing().entities().size(), 9u) << cad->commandLine().log().back();
  for (std::size_t i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    auto t = entity(i);
    EXPECT_EQ(t->get(u"HorizontalAlignment").toInt(), pairs[i][0]);
    EXPECT_EQ(t->get(u"VerticalAlignment").toInt(), pairs[i][1]);
    auto ins = t->get(u"InsertionPoint").toDoubles();
    auto al = t->get(u"TextAlignmentPoint");
    if (i == 0) {
      EXPECT_EQ(ins, (std::vector<double>{1, 2, 0}));
      EXPECT_EQ(al, Variant::point(0, 0, 0));  // left on the baseline has no alignment point
    } else if (pairs[i][0] == 3 || pairs[i][0] == 5) {
      EXPECT_EQ(ins, (std::vector<double>{1, 2, 0}));  // aligned and fit keep both points
      EXPECT_EQ(al, Variant::point(10, 20, 0));
    } else {
      EXPECT_EQ(al, Variant::point(10, 20, 0));
      EXPECT_NE(ins, (std::vector<double>{10, 20, 0}));
    }
  }
  EXPECT_LT(entity(2)->get(u"InsertionPoint").toDoubles()[0], entity(1)->get(u"InsertionPoint").toDoubles()[0]);
  EXPECT_EQ(entity(6)->get(u"InsertionPoint").toDoubles()[1], 18.0);  // top: one height below
}

}  // namespace
}  // namespace surva::simtest
