#pragma once
// A point or direction of the stand-in drawing.
#include <cmath>

namespace surva::sim {

struct Vec3 {
  double x = 0;
  double y = 0;
  double z = 0;
  bool operator==(const Vec3&) const = default;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }

// Rotation about the Z axis by `radians`.
inline Vec3 rotateZ(Vec3 p, double radians) {
  double c = std::cos(radians), s = std::sin(radians);
  return {p.x * c - p.y * s, p.x * s + p.y * c, p.z};
}

// Placement of inserted content: scaled, then rotated about Z, then moved.
struct Placement {
  Vec3 origin;
  double scale = 1;
  double rotation = 0;  // radians
  Vec3 apply(Vec3 p) const { return origin + rotateZ(p * scale, rotation); }
  Vec3 applyToDirection(Vec3 d) const { return rotateZ(d * scale, rotation); }
};

}  // namespace surva::sim
