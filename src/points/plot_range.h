#pragma once
// The plot range expression of the main list ("1-3, 5, 7, 9-"): which PLOT
// No. values get points, circles and labels in a plot.
#include <cstdint>
#include <vector>

#include "text/u16.h"
#include "ui/string_grid.h"

namespace surva::points {

// Clears `list` and fills it with the pieces of `text` between commas; an
// empty text gives one empty piece, "1," gives "1" and an empty piece.
void SplitToList(text::u16view text, std::vector<text::u16>& list);

// Whether `expression` selects n. An empty expression selects every n;
// otherwise only positive numbers can be selected. Pieces are separated by
// "," or ";": k, a-b, a- (also a-b with b <= a: a and above), -b (1 to b).
bool InPlotRange(text::u16view expression, std::int32_t n);

// Whether the PLOT No. cell of data row `row` shows as left out: grey with
// white text. An expression of blanks only greys nothing.
bool plotNoLeftOut(text::u16view expression, std::int32_t row);

// The painting of a main-list cell: header row and station names keep the
// grid's own look; coordinates and PLOT No. are right-aligned 4 px from the
// right edge and vertically centred; PLOT No. is black on white, or white on
// grey (128, 128, 128) for a row the expression leaves out.
void plotListCellStyle(text::u16view expression, int col, int row, ui::CellStyle& style);

// The expression changed: paint the whole list again so the PLOT No.
// colouring follows it while it is typed.
void plotRangeChanged(ui::StringGrid& list);

}  // namespace surva::points
