#pragma once
// "CADへ" and "CADへ (Z=0)": the main list drawn into the running CAD by
// writing the exchange DXF file and typing one insert command.
#include <vector>

#include "dxf/drawing_context.h"
#include "dxf/plot_settings.h"
#include "points/plot_data.h"
#include "ui/text_grid.h"

namespace surva::dxf {

// Fills `working` (the program-wide working array) from the list for the
// run and empties it again at the end, also when the command ends by an
// error.
void PlotToCad(const DrawingContext& context, const PlotSettings& settings, const ui::TextGrid& list,
               std::vector<points::TPlotData>& working);

}  // namespace surva::dxf
