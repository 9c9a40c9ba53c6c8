#pragma once
// One point of the working array that a plot is drawn from.
#include <cstdint>
#include <vector>

#include "points/acad_point.h"
#include "text/u16.h"

namespace surva::points {

struct TPlotData {
  std::int32_t idx = 0;  // main-list data row, counting from 0
  std::int32_t grp = 0;  // points with the same group form one polyline
  TAcadPoint pt;
  text::u16 name;  // the station name exactly as in the list
};

using TPlotDataArray = std::vector<TPlotData>;

}  // namespace surva::points
