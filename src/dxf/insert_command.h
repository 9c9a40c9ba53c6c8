#pragma once
// The command line that has the CAD insert the exchange DXF file.
#include <optional>

#include "platform/files.h"
#include "text/u16.h"

namespace surva::dxf {

// A blank ends an answer on the CAD's command line, so a path with a blank
// is sent in its 8.3 short form; nullopt when there is no such form free of
// blanks.
std::optional<text::u16> commandLinePath(platform::Paths& paths, text::u16view path);

// "-INSERT *" + path + CR + answers + CR; answers "0,0,0 1 0" insert at the
// origin, "@ 1 0" at the point just picked.
text::u16 insertCommand(text::u16view path, text::u16view answers);

// The confirmation message when the path cannot be typed.
text::u16 blankPathMessage(text::u16view path);

}  // namespace surva::dxf
