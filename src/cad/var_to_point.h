#pragma once
// An automation point (array of three numbers) as a TAcadPoint.
#include "platform/variant.h"
#include "points/acad_point.h"

namespace surva::cad {

// Elements 0, 1 and 2, each converted to a double; an array with fewer
// elements fails with a message instead of reading past its end.
points::TAcadPoint VarToAcadPoint(const platform::Variant& v);

}  // namespace surva::cad
