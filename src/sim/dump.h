#pragma once
// The stand-in's state as readable text for tests (UTF-8).
#include <string>

#include "sim/drawing.h"

namespace surva::sim {

// "LINE 2F0 layer=0 (0,0,0)-(10,0,0)" and the like; numbers in general form.
std::string dumpEntity(const Entity& e);
// Every entity, one per line.
std::string dumpEntities(const Drawing& d);
// Layer names, one per line.
std::string dumpLayers(const Drawing& d);

}  // namespace surva::sim
