#include <gtest/gtest.h>

#include <cmath>

#include "sim/drawing_view.h"
#include "sim/window_input.h"
#include "sim_fixture.h"

namespace surva::simtest {
namespace {

using sim::DrawingView;
using sim::ScreenPoint;
using sim::UserAction;
using sim::Vec3;

// 10 pixels per drawing unit, drawing origin at the screen's centre (100, 50).
DrawingView tenPixelsPerUnit() { return DrawingView({0, 0, 0}, 10, 200, 100); }

bool passesNear(const std::vector<ScreenPoint>& stroke, ScreenPoint p, double tolerance = 0.6) {
  for (auto& q : stroke)
    if (std::hypot(q.x - p.x, q.y - p.y) <= tolerance) return true;
  return false;
}

TEST(DrawingViewTest, ZoomKeepsThePointUnderTheMouseAndTheViewIsKeptInTheDrawing) {
  DrawingView v = tenPixelsPerUnit();
  EXPECT_DOUBLE_EQ(v.toScreen({2, 1, 0}).x, 120);
  EXPECT_DOUBLE_EQ(v.toScreen({2, 1, 0}).y, 40);  // y grows upwards in the drawing
  ScreenPoint mouse{150, 20};
  Vec3 under = v.toWorld(mouse);
  v.zoomAt(mouse, 4);
  EXPECT_NEAR(v.toWorld(mouse).x, under.x, 1e-12);
  EXPECT_NEAR(v.toWorld(mouse).y, under.y, 1e-12);
  v.panBy(40, -40);
  EXPECT_NEAR(v.toWorld({190, -20}).x, under.x, 1e-12);

  sim::Drawing d;
  v.storeIn(d);
  DrawingView back = DrawingView::of(d, 200, 100);
  EXPECT_DOUBLE_EQ(back.height(), 2.5);
  EXPECT_DOUBLE_EQ(back.centre().x, v.centre().x);
}

TEST(DrawingViewTest, EveryKindBecomesItsScreenGeometry) {
  sim::Drawing d;
  d.ensureLayer(u"RED", 1);
  d.ensureLayer(u"OFF", -3);
  auto semicircle = sim::makeLwPolyline({{0, 0, 0}, {4, 0, 0}}, 0, false, u"RED");
  semicircle.bulges = {1, 0};  // counter-clockwise: below the chord
  d.add(semicircle);
  d.add(sim::makeEllipse({0, 0, 0}, {0, 4, 0}, 0.5, 0, 2 * M_PI));
  d.add(sim::makeArc({0, 0, 0}, 3, 0, M_PI / 2));
  d.add(sim::makeLine({0, 0, 0}, {1, 1, 0}, u"OFF"));
  d.add(sim::makeText(u"測点", {1, 1, 0}, 2, sim::kRight, sim::kTop));
  auto shapes = sim::shapesOf(d, tenPixelsPerUnit());
  ASSERT_EQ(shapes.size(), 4u);  // the line on the layer that is off is not drawn

  EXPECT_EQ(shapes[0].color, (sim::Rgb{255, 0, 0}));
  EXPECT_TRUE(passesNear(shapes[0].strokes[0], {120, 70}));  // (2,-2), the bulge's lowest point
  EXPECT_FALSE(passesNear(shapes[0].strokes[0], {120, 30}, 5));
  // Major axis along y (4), minor along x (2).
  EXPECT_TRUE(passesNear(shapes[1].strokes[0], {100, 10}));
  EXPECT_TRUE(passesNear(shapes[1].strokes[0], {80, 50}));
  EXPECT_TRUE(passesNear(shapes[2].strokes[0], {100, 20}));    // the arc ends at (0,3)
  EXPECT_FALSE(passesNear(shapes[2].strokes[0], {70, 50}, 5));  // and never reaches (-3,0)

  // Right/top text: the baseline lies one height below the alignment point,
  // and the text ends there.
  const auto& t = *shapes[3].text;
  EXPECT_EQ(t.text, u"測点");
  EXPECT_EQ(t.align, 2);
  EXPECT_DOUBLE_EQ(t.anchor.x, 110);
  EXPECT_DOUBLE_EQ(t.anchor.y, 60);
  EXPECT_DOUBLE_EQ(t.size, 20);
}

TEST(DrawingViewTest, ClickPicksTheNearestEntityAndWindowsSelectInsideOrCrossing) {
  sim::Drawing d;
  auto line = d.add(sim::makeLine({-4, 0, 0}, {4, 0, 0})).handle;
  auto point = d.add(sim::makePoint({2, 1, 0})).handle;
  auto label = d.add(sim::makeText(u"P1", {-3, 2, 0}, 1)).handle;
  auto shapes = sim::shapesOf(d, tenPixelsPerUnit());

  EXPECT_EQ(sim::pickAt(shapes, {121, 41}, 5), point);
  EXPECT_EQ(sim::pickAt(shapes, {75, 48}, 5), line);
  EXPECT_EQ(sim::pickAt(shapes, {74, 25}, 5), label);  // inside the text's box
  EXPECT_EQ(sim::pickAt(shapes, {150, 20}, 5), u"");

  // Left to right: only what lies wholly inside; right to left: what it touches.
  EXPECT_EQ(sim::selectByWindow(shapes, {60, 10}, {130, 45}), (std::vector<text::u16>{point, label}));
  EXPECT_EQ(sim::selectByWindow(shapes, {130, 38}, {115, 55}), (std::vector<text::u16>{line, point}));

  // A line that only crosses the view shows; a point far off does not.
  DrawingView far({1000, 1000, 0}, 10, 200, 100);
  EXPECT_FALSE(far.showsAny(sim::shapesOf(d, far)));
  sim::Drawing crossing;
  crossing.add(sim::makeLine({900, 1000, 0}, {1100, 1000, 0}));
  EXPECT_TRUE(far.showsAny(sim::shapesOf(crossing, far)));
}

TEST(DrawingViewTest, StrokesAreCutToTheScreen) {
  auto pieces = sim::clipToScreen({{-1e9, 50}, {100, 50}, {100, 1e9}, {300, 1e9}}, 200, 100, 10);
  ASSERT_EQ(pieces.size(), 1u);
  ASSERT_EQ(pieces[0].size(), 3u);
  EXPECT_DOUBLE_EQ(pieces[0][0].x, -10);
  EXPECT_DOUBLE_EQ(pieces[0][2].y, 110);
  EXPECT_TRUE(sim::clipToScreen({{-50, -50}, {-40, 500}}, 200, 100, 10).empty());
}

struct WindowInputTest : ::testing::Test, SimCadFixture {};

TEST_F(WindowInputTest, ClicksAnswerWhatWaitsAndAreNeverKeptForLater) {
  EXPECT_FALSE(sim::deliverUserAction(*cad, false, UserAction::pickPoint({1, 2, 0})));
  EXPECT_TRUE(cad->user().empty());
  EXPECT_EQ(sim::promptOf(*cad, false), u"コマンド:");

  doc()->call(u"SendCommand", {platform::Variant(u"_ID ")});
  EXPECT_TRUE(sim::deliverUserAction(*cad, false, UserAction::pickPoint({1, 2, 0})));
  EXPECT_EQ(cad->drawing().variables().point(u"LASTPOINT"), (Vec3{1, 2, 0}));
  EXPECT_FALSE(cad->commandLine().busy());

  EXPECT_TRUE(sim::deliverUserAction(*cad, true, UserAction::finish()));
  EXPECT_EQ(cad->user().size(), 1u);
}

}  // namespace
}  // namespace surva::simtest
