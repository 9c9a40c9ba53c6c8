#pragma once
// "PAN": the CAD view centred on the current row's point at the same view
// height. The CAD is attached without being brought to the front.
#include "platform/services.h"
#include "ui/text_grid.h"

namespace surva::cad {

// Does nothing when the current row's X or Y cell is empty or the CAD is
// not running; an empty or non-numeric Z counts as 0.
void PanToCurrentRow(const platform::Services& services, text::u16view targetProgId, const ui::TextGrid& list);

}  // namespace surva::cad
