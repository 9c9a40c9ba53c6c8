#pragma once
// CP932 through iconv, the Linux stand-in for the Windows ANSI code page.
// For CP932 it writes and reads as Windows does with WC_NO_BEST_FIT_CHARS:
// characters iconv would only best-fit are unmappable, and Windows' extra
// single bytes (0x80, 0xA0, 0xFD to 0xFF) are defined.
#include <cstddef>

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
  // iconv alone over a run of text that starts at `offset`.
  void encodeRun(text::u16view text, std::size_t offset, text::EncodeResult& result) const;

  void* toAnsi_;
  void* fromAnsi_;
  bool windows932_ = false;
};

}  // namespace surva::platform::posix
