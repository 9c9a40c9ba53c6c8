#include "platform/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cp932_corpus.h"
#include "platform/posix/posix_files.h"
#include "support/fakes.h"
#include "support/full_disk.h"
#include "support/temp_dir.h"
#include "text/error.h"

using namespace surva;
using namespace surva::platform;

namespace {
const posix::IconvCodec& codec() {
  static posix::IconvCodec c;
  return c;
}
std::string slurp(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), {});
}
}  // namespace

TEST(Codec, Cp932RoundTripAndUnmappableCharactersAreReported) {
  auto r = codec().encode(u"測点A");
  EXPECT_TRUE(r.complete());
  EXPECT_EQ(r.bytes, "\x91\xAA\x93\x5F" "A");
  EXPECT_EQ(codec().decode(r.bytes), u"測点A");

  auto bad = codec().encode(u"ab\u00E9c\U0001F600d");  // é and an emoji are not in CP932
  EXPECT_FALSE(bad.complete());
  EXPECT_EQ(bad.firstUnmappable, 2u);
  EXPECT_EQ(bad.bytes, "ab?c?d");
  EXPECT_FALSE(codec().canEncode(u"\u00E9"));
  EXPECT_TRUE(codec().canEncode(u"ｱ"));
}

TEST(Codec, Cp932AsWindowsWritesItWithoutBestFit) {
  // Windows escapes what it could only best-fit (\u00A5 would become a
  // backslash, \u2014 the bar \u2015) and keeps its single-byte extras.
  for (char16_t c : text::u16view(u"\u00A5\u203E\u2014\u00A2\u2212\u301C"))
    EXPECT_FALSE(codec().canEncode(text::u16(1, c))) << std::hex << int(c);
  auto r = codec().encode(u"a\u0080\uF8F0\u00A5\uF8F3\u2015");
  EXPECT_EQ(r.firstUnmappable, 3u);
  EXPECT_EQ(r.bytes, "a\x80\xA0?\xFF\x81\x5C");
  EXPECT_EQ(codec().decode("\x80\xA0\xFD\x81\x80"), u"\u0080\uF8F0\uF8F1\u00F7");  // 0x80 also trails
}

TEST(Codec, UndefinedBytesDecodeAsReplacement) {
  EXPECT_EQ(codec().decode("A\x81"), u"A\uFFFD");  // cut-off lead byte
}

TEST(TextFile, LinesEndAtCrLfLfOrCrAndAFinalBreakAddsNoLine) {
  auto c = decodeText("a\r\nb\nc\rd\r\n", codec());
  EXPECT_EQ(c.lines, (std::vector<text::u16>{u"a", u"b", u"c", u"d"}));
  EXPECT_EQ(decodeText("a\r\n\r\n", codec()).lines, (std::vector<text::u16>{u"a", u""}));
  EXPECT_EQ(decodeText("last", codec()).lines, (std::vector<text::u16>{u"last"}));
  EXPECT_TRUE(decodeText("", codec()).lines.empty());
}

TEST(TextFile, EncodingFollowsTheByteOrderMark) {
  auto u8 = decodeText("\xEF\xBB\xBF測点\r\n", codec());
  EXPECT_EQ(u8.encoding, TextEncoding::Utf8Bom);
  EXPECT_EQ(u8.lines.at(0), u"測点");
  auto le = decodeText(std::string("\xFF\xFE" "A\0\r\0\n\0", 8), codec());
  EXPECT_EQ(le.encoding, TextEncoding::Utf16LeBom);
  EXPECT_EQ(le.lines.at(0), u"A");
  auto be = decodeText(std::string("\xFE\xFF\0B", 4), codec());
  EXPECT_EQ(be.encoding, TextEncoding::Utf16BeBom);
  EXPECT_EQ(be.lines.at(0), u"B");
  auto ansi = decodeText("\x91\xAA\x93\x5F", codec());
  EXPECT_EQ(ansi.encoding, TextEncoding::Ansi);
  EXPECT_EQ(ansi.lines.at(0), u"測点");
}

TEST(TextFile, WritesEachEncodingBackWithCrLf) {
  std::vector<text::u16> lines{u"名称\tGcad.Application.23", u"x"};
  for (auto enc : {TextEncoding::Ansi, TextEncoding::Utf8Bom, TextEncoding::Utf16LeBom, TextEncoding::Utf16BeBom,
                   TextEncoding::Utf8}) {
    auto bytes = encodeText(lines, enc, codec()).bytes;
    auto back = decodeText(bytes, codec());
    EXPECT_EQ(back.encoding, enc);
    EXPECT_EQ(back.lines, lines);
  }
  EXPECT_EQ(encodeText({u"a", u""}, TextEncoding::Ansi, codec()).bytes, "a\r\n\r\n");
  auto bad = encodeText({u"ok", u"x\u00E9"}, TextEncoding::Ansi, codec());
  EXPECT_FALSE(bad.complete);
  EXPECT_EQ(bad.badLine, 1u);
  EXPECT_EQ(bad.badColumn, 1u);
  // Code-page bytes that look like a byte-order mark would read back as
  // UTF-16: the writer must choose a file with a real mark instead.
  EXPECT_FALSE(encodeText({u"\uF8F3\uF8F2!"}, TextEncoding::Ansi, codec()).complete);
}

TEST(TextFile, Utf8WithoutAMarkIsToldFromTheCodePage) {
  struct Case {
    std::string bytes;
    TextEncoding expected;
  };
  const Case cases[] = {
      {"\xE6\xB8\xAC\xE7\x82\xB9,1\r\n", TextEncoding::Utf8},  // 測点
      {"\xF0\x9F\x98\x80", TextEncoding::Utf8},                 // U+1F600
      {"plain ASCII\r\n", TextEncoding::Ansi},
      {"\xC0\xAF", TextEncoding::Ansi},                           // overlong "/"
      {"\xED\xA0\x80", TextEncoding::Ansi},                       // a surrogate
      {"\xF4\x90\x80\x80", TextEncoding::Ansi},                   // above U+10FFFF
      {"\xE6\xB8\xAC\xE7\x82", TextEncoding::Ansi},               // cut-off last character
      {"\xE6\xB8\xAC\x91\xAA", TextEncoding::Ansi},               // UTF-8, then CP932
      {std::string("\xE6\xB8\xAC\0", 4), TextEncoding::Ansi},     // binary
      {std::string("P1,12.5,6\0.25\xE6\xB8\xAC", 16), TextEncoding::Ansi},
      {"P1,12.5,6.25,\xE6\xB8\xAC", TextEncoding::Utf8},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(decodeText(c.bytes, codec()).encoding, c.expected) << c.bytes;
    fakes::FakeFileSystem fs;
    fs.files[u"f.txt"] = c.bytes;
    struct Drop : TextLineSink {
      void text(text::u16view) override {}
      void lineEnd() override {}
    } drop;
    EXPECT_EQ(readTextLines(fs, codec(), u"f.txt", drop), c.expected) << c.bytes;
  }
  // Text the code page writes never passes for UTF-8, line by line or whole.
  std::vector<text::u16> lines;
  std::string whole;
  for (const char16_t* t : surva_test::kJapaneseTexts) {
    auto r = codec().encode(t);
    ASSERT_TRUE(r.complete()) << text::toUtf8(t);
    EXPECT_FALSE(isUtf8WithoutMark(r.bytes)) << text::toUtf8(t);
    lines.push_back(t);
    whole += r.bytes + "\r\n";
  }
  auto back = decodeText(whole, codec());
  EXPECT_EQ(back.encoding, TextEncoding::Ansi);
  EXPECT_EQ(back.lines, lines);
  // Nor does a file written in the code page: such lines need another one.
  EXPECT_FALSE(encodeText({u"ﾂｱ"}, TextEncoding::Ansi, codec()).complete);  // C2 B1 is U+00B1
}

TEST(PosixFiles, AtomicWriteReplacesAndAFailedWriteKeepsTheOldFile) {
  fakes::TempDir dir;
  posix::PosixFileSystem fs;
  auto path = dir.file("surva.ini");
  EXPECT_FALSE(fs.readFile(path).has_value());
  fs.writeFileAtomic(path, "old\r\n");
  fs.writeFileAtomic(path, "new\r\n");
  EXPECT_EQ(*fs.readFile(path), "new\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temporary left

  bool threw = false;
  try {
    fakes::FullDisk full;
    fs.writeFileAtomic(path, std::string(4096, 'x'));
  } catch (const Failure& f) {
    threw = true;
    EXPECT_NE(f.message().find(path), text::u16::npos);
  }
  EXPECT_TRUE(threw);
  EXPECT_EQ(slurp(dir.path() / "surva.ini"), "new\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(PosixFiles, MissingFolderIsReportedWithTheFileName) {
  posix::PosixFileSystem fs;
  text::u16 path = u"/nonexistent-folder-surva/x.dxf";
  try {
    fs.writeFileAtomic(path, "x");
    FAIL();
  } catch (const Failure& f) {
    EXPECT_NE(f.message().find(path), text::u16::npos);
    EXPECT_NE(f.message().find(u"書き込めません"), text::u16::npos);
  }
}

TEST(Paths, ExtensionAndFolder) {
  EXPECT_EQ(replaceExtension(u"C:\\Surva\\surva.exe", u".ini"), u"C:\\Surva\\surva.ini");
  EXPECT_EQ(replaceExtension(u"C:\\my.dir\\surva", u".dxf"), u"C:\\my.dir\\surva.dxf");
  EXPECT_EQ(folderOf(u"C:\\Surva\\surva.exe"), u"C:\\Surva\\");
  EXPECT_EQ(folderOf(u"surva.exe"), u"");
}
