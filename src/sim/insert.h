#pragma once
// Adding inserted content to a drawing: each entity placed at the insertion
// point, scaled and rotated, its layer made when the drawing lacks it.
#include "sim/dxf_reader.h"

namespace surva::sim {

// Returns the number of entities added.
std::size_t insertContent(Drawing& drawing, const DxfContent& content, const Placement& placement);

// One entity moved, scaled and rotated.
Entity placed(Entity e, const Placement& placement);

}  // namespace surva::sim
