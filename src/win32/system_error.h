#pragma once
// The system's own wording for a Win32 error code.
#include <cstdint>

#include "text/u16.h"

namespace surva::win32 {

// FormatMessageW's text for `code`, without the trailing line break; the
// code in hexadecimal when the system has no text for it.
text::u16 systemMessage(std::uint32_t code);

}  // namespace surva::win32
