// Text files as read from disk: any bytes decode (BOM, CP932, UTF-8,
// UTF-16 of odd length) into lines without a line break in them, and the
// lines written back in the encoding read decode to the same lines.
#include "fuzz_check.h"
#include "platform/posix/iconv_codec.h"
#include "platform/text_file.h"

using namespace surva;
using platform::TextEncoding;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static platform::posix::IconvCodec codec;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto content = platform::decodeText(bytes, codec);
  for (const auto& line : content.lines)
    FUZZ_CHECK(line.find_first_of(u"\r\n") == text::u16::npos);

  auto written = platform::encodeText(content.lines, content.encoding, codec);
  // Text the code page cannot hold is written as UTF-16 instead, as the
  // settings file and the target CAD list do.
  TextEncoding encoding = content.encoding;
  if (!written.complete) {
    FUZZ_CHECK(content.encoding == TextEncoding::Ansi);
    encoding = TextEncoding::Utf16LeBom;
    written = platform::encodeText(content.lines, encoding, codec);
    FUZZ_CHECK(written.complete);
  }
  const auto back = platform::decodeText(written.bytes, codec);
  FUZZ_CHECK(back.lines == content.lines);
  FUZZ_CHECK(back.encoding == encoding);
  return 0;
}
