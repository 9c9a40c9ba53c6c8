#pragma once
// The plain text that the grids exchange with the clipboard: one line per
// row ended by CR LF, cells separated by TAB, no quoting.
#include <vector>

#include "text/u16.h"
#include "ui/text_grid.h"

namespace surva::points {

using ClipboardLines = std::vector<std::vector<text::u16>>;

// The rows top..bottom, each with its cells left..right.
text::u16 GridClipboardText(const ui::TextGrid& grid, const ui::GridRect& rect);

// Lines end at CR LF, a lone LF or a lone CR, so no line break ever lands
// in a cell; a last line without a line break is still a line. Each line
// is cut at every TAB; an empty line is one empty field.
ClipboardLines ParseClipboardText(text::u16view text);

}  // namespace surva::points
