#pragma once
// Small geometric routines on points shared by plotting, harvesting and
// point picking.
#include "points/acad_point.h"

namespace surva::points {

// Distance in the X-Y plane; z is ignored.
double PlanarDistance(const TAcadPoint& a, const TAcadPoint& b);

// True when both |dx| and |dy| are strictly below the tolerance; z is ignored.
bool WithinBox(const TAcadPoint& a, const TAcadPoint& b, double tolerance);

// The world point in the user frame given by its axes and origin (world
// coordinates). The axes are used as given, without normalisation.
TAcadPoint WorldToUcs(const TAcadPoint& p, const TAcadPoint& xAxis, const TAcadPoint& yAxis,
                      const TAcadPoint& origin);

}  // namespace surva::points
