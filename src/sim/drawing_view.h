#pragma once
// What the stand-in CAD's window shows: the drawing turned into screen
// strokes, texts and point marks for a view (a centre and a height in
// drawing units, the CAD's VIEWCTR and VIEWSIZE), and what a click or a
// dragged window picks among them. Screen coordinates are pixels, y down.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "sim/drawing.h"

namespace surva::sim {

struct ScreenPoint {
  double x = 0;
  double y = 0;
};

struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

// A colour number of the CAD (1 red ... 7 white, 8/9 greys, 10-249 hues,
// 250-255 greys) as it shows on the dark drawing background.
Rgb colorOfIndex(int index);

class DrawingView {
 public:
  DrawingView(Vec3 centre, double height, int widthPx, int heightPx);
  // The drawing's own view (VIEWCTR, VIEWSIZE) in a window of that size.
  static DrawingView of(const Drawing& d, int widthPx, int heightPx);
  // Stores the view in VIEWCTR and VIEWSIZE, as the CAD does after a pan or zoom.
  void storeIn(Drawing& d) const;

  ScreenPoint toScreen(Vec3 p) const;
  Vec3 toWorld(ScreenPoint s) const;
  double pixelsPerUnit() const { return heightPx_ / height_; }
  Vec3 centre() const { return centre_; }
  double height() const { return height_; }

  // Closer by `factor` (> 1) or farther (< 1); the drawing point under
  // `at` stays under it.
  void zoomAt(ScreenPoint at, double factor);
  // The drawing follows the mouse by (dx, dy) pixels.
  void panBy(double dx, double dy);
  // Shows all of `shapes` (drawn in this view) with a margin; no change
  // when there is nothing.
  void fitAll(const std::vector<struct Shape>& shapes);
  // Whether any of `shapes` (drawn in this view) lies in the window.
  bool showsAny(const std::vector<struct Shape>& shapes) const;

 private:
  Vec3 centre_;
  double height_;
  int widthPx_, heightPx_;
};

struct ScreenText {
  text::u16 text;
  ScreenPoint anchor;  // on the baseline
  int align = 0;       // the anchor is at the left (0), centre (1) or right (2) of the text
  double size = 0;     // character height, pixels
  double angle = 0;    // radians, counter-clockwise as seen on screen
  double widthFactor = 1;
  std::array<ScreenPoint, 4> outline;  // approximate box of the text, for picks
};

// One entity as drawn.
struct Shape {
  text::u16 handle;
  Rgb color;
  std::vector<std::vector<ScreenPoint>> strokes;  // polylines; a closed one repeats its first point
  std::optional<ScreenText> text;
  std::optional<ScreenPoint> mark;  // a point entity
};

// Every visible entity (layers with a negative colour are off), in drawing order.
std::vector<Shape> shapesOf(const Drawing& d, const DrawingView& view);

// The entity nearest `at` within `tolerance` pixels (the last drawn wins a
// tie); empty when none.
text::u16 pickAt(const std::vector<Shape>& shapes, ScreenPoint at, double tolerance);

// A window dragged from `from` to `to`: to the right it takes the entities
// wholly inside, to the left (a crossing window) those it touches.
std::vector<text::u16> selectByWindow(const std::vector<Shape>& shapes, ScreenPoint from, ScreenPoint to);

// A stroke cut to the screen (0,0)-(width,height) grown by `margin`: the
// pieces that show, so that far-off points never reach the integer
// coordinates of a drawing surface.
std::vector<std::vector<ScreenPoint>> clipToScreen(const std::vector<ScreenPoint>& stroke, double width, double height,
                                                   double margin = 16);

}  // namespace surva::sim
