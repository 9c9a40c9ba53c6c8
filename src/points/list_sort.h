#pragma once
// Sorting the data rows of a grid by the station name in one column.
// Rows with equal keys end where the list's exchange sort has always put
// them (see exchange_order.h).
#include <cstddef>
#include <vector>

namespace surva::ui {
class TextGrid;
}

namespace surva::points {

// By text part (UTF-16 code units, so upper case before lower case), then
// by number key. Whole rows move.
void SortByStationName(ui::TextGrid& grid, int col);

// By number key alone; a name without trailing digits counts as 0.
void SortByStationNumber(ui::TextGrid& grid, int col);

// Moves the data rows so that data row p (from 0) takes the former data
// row order[p].
void PermuteDataRows(ui::TextGrid& grid, const std::vector<std::size_t>& order);

}  // namespace surva::points
