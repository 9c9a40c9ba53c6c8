#pragma once
// The size factor of drawing output: the drawing's DIMSCALE when the
// command's check box asks for it, never 0.
#include "platform/automation.h"

namespace surva::cad {

double DimscaleFactor(platform::Object& document, bool useDimscale);

}  // namespace surva::cad
