#pragma once
// A point of three 64-bit floats, as CAD automation passes them.

namespace surva::points {

struct TAcadPoint {
  double x = 0;
  double y = 0;
  double z = 0;
};

}  // namespace surva::points
