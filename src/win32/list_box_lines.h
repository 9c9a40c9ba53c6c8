#pragma once
// A list box showing a text one line per item (the stand-ins' windows).
#include <windows.h>

#include "text/u16.h"

namespace surva::win32 {

// Replaces the items by the lines of `text` (split at LF), without
// repainting in between.
void setListBoxLines(HWND list, text::u16view text);

}  // namespace surva::win32
