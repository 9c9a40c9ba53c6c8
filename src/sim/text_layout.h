#pragma once
// Where a justified text's insertion point lies, given its alignment point.
// The widths are an approximation of a plain font: enough for the insertion
// and alignment points to differ as they do in a CAD.
#include "sim/entity.h"

namespace surva::sim {

double approximateTextWidth(text::u16view s, double height, double widthFactor);

// Sets `insertion` from `alignment` for every justification except left on
// the baseline, aligned and fit (those keep the insertion point given).
void layoutText(Entity& text);

}  // namespace surva::sim
