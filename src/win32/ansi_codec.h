#pragma once
// The system ANSI code page as the program's codec.
#include "text/codec.h"

namespace surva::win32 {

class AnsiCodePage : public text::AnsiCodec {
 public:
  // The system's code page (GetACP) unless one is given.
  AnsiCodePage();
  explicit AnsiCodePage(unsigned codePage) : codePage_(codePage) {}

  text::EncodeResult encode(text::u16view text) const override;
  text::u16 decode(std::string_view bytes) const override;

 private:
  unsigned codePage_;
};

}  // namespace surva::win32
