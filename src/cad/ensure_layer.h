#pragma once
// Making sure a layer exists in the active drawing.
#include "platform/automation.h"

namespace surva::cad {

// Compares the drawing's layer names upper-cased with `layerName` as given
// (not upper-cased), and adds the layer when none matched.
void EnsureLayer(platform::Object& application, text::u16view layerName);

}  // namespace surva::cad
