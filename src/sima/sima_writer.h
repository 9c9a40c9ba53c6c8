#pragma once
// Saving the SIMA write list as a SIMA file: Shift_JIS (the ANSI code
// page), CR LF after every line, no byte-order mark, one atomic replace.
#include <vector>

#include "platform/services.h"
#include "text/u16.h"
#include "ui/text_grid.h"

namespace surva::sima {

inline constexpr char16_t kSimaSaveFilter[] = u"*.sim|*.sim";

// The file's lines as the write list stands: "G00,01,,", the comment line,
// row 1's code, every point row's six cells, the last row's code; each
// written cell followed by a comma.
std::vector<text::u16> SimaFileLines(const ui::TextGrid& writeList);

// "保存". Silently nothing when fewer than two point rows or the first one
// lacks X, Y or Z; one message per empty station name. A cell holding a
// comma or a line break (it would shift or split the record) or a character
// the code page cannot hold (it would be written as "?") is named with its
// row, and nothing is written. Then the save dialog (".sim" added to a name
// without extension) and the overwrite question, Yes preselected.
void SaveSimaWriteList(const ui::TextGrid& writeList, platform::Services& services);

}  // namespace surva::sima
