// The stand-in's intersection snap: the crossing nearest to the pick within
// the pick box, polyline segments included; with none, ID takes the point
// as picked.
#include <gtest/gtest.h>

#include "sim/intersection_snap.h"
#include "sim_fixture.h"

namespace surva::simtest {
namespace {

using platform::Variant;
using sim::UserAction;

TEST(IntersectionSnapTest, NearestCrossingOfLinesAndPolylineSegmentsInTheBox) {
  sim::Drawing d;
  d.add(sim::makeLine({0, 10, 0}, {100, 10, 0}));
  d.add(sim::makeLwPolyline({{10, 0, 0}, {10, 20, 0}, {12, 20, 0}, {12, 0, 0}}, 5, false));
  // Two crossings with the line, (10,10) and (12,10); the polyline's own
  // corners (10,20) and (12,20) are junctions of its segments.
  EXPECT_EQ(sim::nearestIntersection(d, {11.4, 10.3, 0}, 1), (sim::Vec3{12, 10, 0}));
  EXPECT_EQ(sim::nearestIntersection(d, {10.2, 9.5, 0}, 1), (sim::Vec3{10, 10, 0}));
  EXPECT_EQ(sim::nearestIntersection(d, {10, 19.5, 0}, 1), (sim::Vec3{10, 20, 5}));
  EXPECT_FALSE(sim::nearestIntersection(d, {30, 10, 0}, 1));  // on the line, crossing nothing
  EXPECT_FALSE(sim::nearestIntersection(d, {11, 11.5, 0}, 1));  // both crossings outside the box
}

TEST(IntersectionSnapTest, IdWithIntTakesThePickAsItIsWhenNoCrossingIsNear) {
  SimCadFixture f;
  f.cad->drawing().add(sim::makeLine({0, 0, 0}, {10, 10, 0}));
  f.cad->drawing().add(sim::makeLine({0, 10, 0}, {10, 0, 0}));
  for (sim::Vec3 p : {sim::Vec3{50, 50, 0}, sim::Vec3{5.5, 4.6, 0}}) {
    f.doc()->call(u"SendCommand", {Variant(u"_ID\r_int\r")});
    f.cad->user().push(UserAction::pickPoint(p));
    EXPECT_TRUE(f.cad->pollQuiescent());
  }
  EXPECT_EQ(f.cad->commandLine().log().at(2), "X = 50.0000  Y = 50.0000  Z = 0.0000");
  EXPECT_EQ(f.cad->drawing().variables().point(u"LASTPOINT"), (sim::Vec3{5, 5, 0}));
}

}  // namespace
}  // namespace surva::simtest
