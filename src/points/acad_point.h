#pragma once

namespace surva::points {

// A point in CAD drawing coordinates (world or user frame).
struct TAcadPoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

}  // namespace surva::points
