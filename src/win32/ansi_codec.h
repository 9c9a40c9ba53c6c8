#pragma once
// The system ANSI code page (CP_ACP) as the program's codec.
#include "text/codec.h"

namespace surva::win32 {

class AnsiCodePage : public text::AnsiCodec {
 public:
  text::EncodeResult encode(text::u16view text) const override;
  text::u16 decode(std::string_view bytes) const override;
};

}  // namespace surva::win32
