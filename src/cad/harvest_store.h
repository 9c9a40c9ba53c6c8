#pragma once
// What the last harvest read from CAD: one array per entity kind, in
// selection order, and the user coordinate system frame of that harvest.
// The application owns one store for the whole run.
#include <cstdint>
#include <vector>

#include "cad/harvest_records.h"

namespace surva::cad {

// The user frame: axes and origin in world coordinates.
struct UcsFrame {
  TAcadPoint xDir{1, 0, 0};
  TAcadPoint yDir{0, 1, 0};
  TAcadPoint origin{0, 0, 0};
  // Back to the world axes.
  void reset() { *this = UcsFrame{}; }
};

// The ten arrays, as flags for clearing some of them.
enum class HarvestArray : std::uint16_t {
  Lines = 1 << 0,
  Circles = 1 << 1,
  Ellipses = 1 << 2,
  Arcs = 1 << 3,
  Polylines = 1 << 4,
  Vertices = 1 << 5,
  Faces = 1 << 6,
  Inserts = 1 << 7,
  Points = 1 << 8,
  Texts = 1 << 9,
};
constexpr std::uint16_t operator|(HarvestArray a, HarvestArray b) {
  return static_cast<std::uint16_t>(static_cast<std::uint16_t>(a) | static_cast<std::uint16_t>(b));
}
constexpr std::uint16_t operator|(std::uint16_t a, HarvestArray b) {
  return static_cast<std::uint16_t>(a | static_cast<std::uint16_t>(b));
}

struct HarvestStore {
  std::vector<TAcadLineBlk> lines;
  std::vector<TCircleBlk> circles;
  std::vector<TEllipseBlk> ellipses;
  std::vector<TArcBlk> arcs;
  std::vector<TLwpBlk> polylines;
  std::vector<TLwpEle> vertices;
  std::vector<TFaceBlk> faces;
  std::vector<TInsertBlk> inserts;
  std::vector<TPointEnt> points;
  std::vector<TTextBlk> texts;
  UcsFrame ucs;

  // Empties all ten arrays (the frame stays).
  void clear() { clearExcept(0); }
  // Empties every array whose flag is not in `kept` (HarvestArray values
  // combined with |), in the order lines, circles, ellipses, arcs,
  // polylines, vertices, faces, inserts, points, texts.
  void clearExcept(std::uint16_t kept);
  void clearExcept(HarvestArray kept) { clearExcept(static_cast<std::uint16_t>(kept)); }

  // Lines + circles + polylines + texts + points: what a harvest counts.
  std::size_t countedEntities() const {
    return lines.size() + circles.size() + polylines.size() + texts.size() + points.size();
  }
};

}  // namespace surva::cad
