#pragma once
// The system ANSI code page (CP932 on Japanese Windows) as a service.
#include <string>
#include <string_view>

#include "text/u16.h"

namespace surva::text {

struct EncodeResult {
  std::string bytes;
  // Index (in code units) of the first character the code page cannot hold;
  // npos when every character was held. Such characters are written as "?"
  // so that callers that do not care still get a usable text; writers that do
  // care check this and escape or refuse.
  std::size_t firstUnmappable = std::u16string::npos;
  bool complete() const { return firstUnmappable == std::u16string::npos; }
};

class AnsiCodec {
 public:
  virtual ~AnsiCodec() = default;
  virtual EncodeResult encode(u16view text) const = 0;
  // Bytes the code page does not define decode as U+FFFD.
  virtual u16 decode(std::string_view bytes) const = 0;
  // Whether one character (one or two code units) can be held.
  virtual bool canEncode(u16view character) const;
};

}  // namespace surva::text
