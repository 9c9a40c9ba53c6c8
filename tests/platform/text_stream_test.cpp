// Text decoded piece by piece gives the lines of the whole, wherever the
// pieces are cut, and never holds back a long run.
#include "platform/text_stream.h"

#include <gtest/gtest.h>

#include "platform/posix/iconv_codec.h"
#include "platform/text_file.h"

using namespace surva;
using namespace surva::platform;

namespace {

struct Collect : TextLineSink {
  std::vector<text::u16> lines{u""};
  std::size_t pieces = 0;
  void text(text::u16view p) override {
    lines.back() += p;
    ++pieces;
  }
  void lineEnd() override { lines.emplace_back(); }
};

}  // namespace

TEST(TextStream, AnyCutGivesTheLinesOfTheWhole) {
  posix::IconvCodec codec;
  std::string le = "\xFF\xFE";
  for (char16_t c : text::u16(u"測\r\n点\r\rx")) le += char(c & 0xFF), le += char(c >> 8);
  le += 'z';  // a cut-off last unit
  const std::string inputs[] = {"A,\x91\xAA\x93\x5F\r\nB\rC\n\r\n\x82\x61", "\xEF\xBB\xBF\xE6\xB8\xAC\r\n\xE7\x82\xB9\r",
                                le, "\xFE\xFF"};
  for (const std::string& in : inputs) {
    std::vector<text::u16> whole = decodeText(in, codec).lines;
    for (std::size_t size : {1, 2, 3}) {
      Collect c;
      TextDecoder d(codec, c);
      for (std::size_t i = 0; i < in.size(); i += size) d.feed(std::string_view(in).substr(i, size));
      d.finish();
      c.lines.pop_back();
      EXPECT_EQ(c.lines, whole) << size;
    }
  }
  EXPECT_EQ(decodeText(le, codec).lines, (std::vector<text::u16>{u"測", u"点", u"", u"x\uFFFD"}));
}

TEST(TextStream, ALongRunWithoutLineBreaksIsNotHeldWhole) {
  posix::IconvCodec codec;
  Collect c;
  TextDecoder d(codec, c);
  std::string piece(1 << 16, 'x');
  for (int i = 0; i < 24; ++i) d.feed(piece);  // 1.5 MiB of one line
  EXPECT_GE(c.lines.back().size(), 1u << 20);
}
