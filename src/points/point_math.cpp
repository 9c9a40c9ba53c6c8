#include "points/point_math.h"

#include <cmath>

namespace surva::points {

double PlanarDistance(const TAcadPoint& a, const TAcadPoint& b) {
  const double dy = a.y - b.y;
  const double dx = a.x - b.x;
  return std::sqrt(dy * dy + dx * dx);
}

bool WithinBox(const TAcadPoint& a, const TAcadPoint& b, double tolerance) {
  return tolerance > std::fabs(a.x - b.x) && tolerance > std::fabs(a.y - b.y);
}

TAcadPoint WorldToUcs(const TAcadPoint& p, const TAcadPoint& xAxis, const TAcadPoint& yAxis,
                      const TAcadPoint& origin) {
  const TAcadPoint d{p.x - origin.x, p.y - origin.y, p.z - origin.z};
  const TAcadPoint zAxis{xAxis.y * yAxis.z - xAxis.z * yAxis.y, xAxis.z * yAxis.x - xAxis.x * yAxis.z,
                         xAxis.x * yAxis.y - xAxis.y * yAxis.x};
  auto dot = [&d](const TAcadPoint& axis) { return axis.x * d.x + axis.y * d.y + axis.z * d.z; };
  return {dot(xAxis), dot(yAxis), dot(zAxis)};
}

}  // namespace surva::points
