#pragma once
// CP932 through iconv, the Linux stand-in for the Windows ANSI code page.
#include "text/codec.h"

namespace surva::platform::posix {

class IconvCodec : public text::AnsiCodec {
 public:
  explicit IconvCodec(const char* codePage = "CP932");
  ~IconvCodec() override;
  IconvCodec(const IconvCodec&) = delete;
  IconvCodec& operator=(const IconvCodec&) = delete;

  text::EncodeResult encode(text::u16view text) const override;
  text::u16 decode(std::string_view bytes) const override;

 private:
  void* toAnsi_;
  void* fromAnsi_;
};

}  // namespace surva::platform::posix
