#pragma once
// The intersection object snap of the stand-in CAD: where two lines or
// straight polyline segments cross near the pick.
#include <optional>

#include "sim/drawing.h"

namespace surva::sim {

// The crossing nearest to `pick` (in X-Y) whose |dx| and |dy| from it are
// at most `box`; nullopt when none lies in the box. Z is taken along the
// first of the two segments. Bulged (arc) segments are not considered.
std::optional<Vec3> nearestIntersection(const Drawing& drawing, Vec3 pick, double box);

}  // namespace surva::sim
