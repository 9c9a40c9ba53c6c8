#pragma once
// What the drawing commands take from the program besides the settings.
#include "platform/services.h"
#include "text/u16.h"

namespace surva::dxf {

struct DrawingContext {
  const platform::Services& services;
  text::u16 targetProgId;
  text::u16 dxfPath;  // the exchange DXF file beside the executable
};

}  // namespace surva::dxf
