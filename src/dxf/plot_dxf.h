#pragma once
// The entities of a plot: polylines through every point, then points,
// circles, station names and coordinate labels of the points in the plot
// range, each kind in working-array order.
#include <optional>
#include <vector>

#include "dxf/dxf_text.h"
#include "dxf/plot_settings.h"
#include "points/plot_data.h"
#include "ui/text_grid.h"

namespace surva::dxf {

struct PlotDxf {
  DxfText dxf;
  int records = 0;  // VERTEX, POINT, CIRCLE and TEXT records written
};

// The whole file. `list` supplies the PLOT No. of each point's own row;
// `factor` is the DIMSCALE factor for radius and heights.
PlotDxf buildPlotDxf(const std::vector<points::TPlotData>& working, const ui::TextGrid& list,
                     const PlotSettings& settings, double factor, const text::AnsiCodec& codec);

// The confirmation message for the first layer box of a drawn kind whose
// name the CAD refuses; nullopt when all are usable.
std::optional<text::u16> plotLayerProblem(const PlotSettings& settings);

}  // namespace surva::dxf
