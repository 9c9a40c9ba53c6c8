// Point files: what the reader takes from real-world CSV and text files,
// what it refuses, and the bytes the writer produces.
#include "sheet/point_file.h"

#include <gtest/gtest.h>

#include "platform/posix/iconv_codec.h"
#include "sheet/point_file_fields.h"
#include "support/fakes.h"
#include "text/error.h"

using namespace surva;
using text::u16;

namespace {

const text::AnsiCodec& codec() {
  static platform::posix::IconvCodec c;
  return c;
}

// Rows as "name|x|y|z" joined by ";", or "!" and the failure's message.
std::string readAs(const char16_t* name, const std::string& bytes, sheet::SheetColumns columns) {
  fakes::FakeFileSystem fs;
  fs.files[name] = bytes;
  try {
    std::string out;
    for (const auto& row : sheet::ReadPointFile(fs, codec(), name, columns)) {
      if (!out.empty()) out += ";";
      out += text::toUtf8(row[0] + u"|" + row[1] + u"|" + row[2] + u"|" + row[3]);
    }
    return out;
  } catch (const Failure& f) {
    return "!" + text::toUtf8(f.message());
  }
}

std::string utf16le(std::u16string_view s) {
  std::string out = "\xFF\xFE";
  for (char16_t c : s) out += char(c & 0xFF), out += char(c >> 8);
  return out;
}

}  // namespace

TEST(PointFileRead, TakesWhatRealFilesHoldAndRefusesWhatIsNoPointFile) {
  const sheet::SheetColumns plain;                           // A, B, C from row 1
  const sheet::SheetColumns withZ{{1, 2, 3, 4}, 1};
  const sheet::SheetColumns fromRow2{{2, 4, 3, 0}, 2};       // name B, X D, Y C
  struct Case {
    const char16_t* name;
    std::string bytes;
    sheet::SheetColumns columns;
    std::string expected;  // rows, or "!" and a part of the message
  } cases[] = {
      {u"a.csv", "007,1.50,-2\r\n\"P,1\",\"say \"\"hi\"\"\",3\r\n", plain, "007|1.50|-2|;P,1|say \"hi\"|3|"},
      {u"a.csv", "a,1,2\nb,3,4\rc,5,6", plain, "a|1|2|;b|3|4|;c|5|6|"},
      {u"a.csv", "\"two\nlines\",1,2\r\nnext,3,4\r\n", plain, "two\nlines|1|2|;next|3|4|"},
      {u"a.csv", "a,1,2,9\r\nb,,4,9\r\nc,5,6,9\r\n", withZ, "a|1|2|9"},  // stops at the row without X
      {u"a.csv", "a,1,2\r\n,3,4,\r\n", withZ, "a|1|2|;|3|4|"},              // empty name and Z are read
      {u"a.csv", "x,測点名,Y座標,X座標\r\n,\x91\xAA,20,10\r\n", fromRow2, "測|10|20|"},
      {u"a.txt", "a\t1,5\t2\r\n", plain, "a|1,5|2|"},  // TAB wins in a .txt
      {u"a.txt", "a,1,2\r\n", plain, "a|1|2|"},        // no TAB: commas
      {u"a.tsv", "a,1,2\r\n", plain, ""},              // a .tsv is TAB-separated
      {u"a.csv", "\xE6\xB8\xAC,1,2\r\n", plain, "測|1|2|"},  // UTF-8 without a mark
      {u"a.csv", utf16le(u"測,1,2\r\n"), plain, "測|1|2|"},
      {u"a.csv", utf16le(u"") + "a,1,2\r\n", plain, "!読めない文字"},  // the wrong mark
      {u"a.csv", utf16le(u"a\xDB2E,1,2\r\n"), plain, "!1 行目に読めない文字"},  // a lone surrogate
      {u"a.csv", "", plain, ""},
      {u"a.csv", "a,1,\"2\r\nb,3,4\r\n", plain, "!1 行目の引用符"},
      {u"a.csv", std::string(64, '\0'), plain, "!NUL"},
      {u"a.csv", "a,1," + std::string(1000000, '2') + "\r\n", plain, "!1 行目が長すぎます"},
      {u"a.csv", "ok,1,2\r\nA\x81,3,4\r\n", plain, "!2 行目に読めない文字"},
  };
  for (const Case& c : cases) {
    std::string got = readAs(c.name, c.bytes, c.columns);
    if (c.expected.starts_with("!"))
      EXPECT_NE(got.find(c.expected.substr(1)), std::string::npos) << got;
    else
      EXPECT_EQ(got, c.expected) << c.bytes.substr(0, 40);
  }
  fakes::FakeFileSystem none;
  EXPECT_THROW(sheet::ReadPointFile(none, codec(), u"missing.csv", plain), Failure);
}

TEST(PointFileWrite, QuotesOnlyWhereNeededAndFallsBackToUtf8) {
  ui::TextGrid list(5, 4);
  list.setRowCells(1, {u"007", u"1.50", u"-2", u"", u"1"});
  list.setRowCells(2, {u"P,1", u"say \"hi\"", u"3", u"9", u"2"});
  // Row 3 left empty: nothing is written for it.
  auto lines = sheet::PointFileLines(list, {}, u',');
  EXPECT_EQ(lines, (std::vector<u16>{u"007,1.50,-2", u"\"P,1\",\"say \"\"hi\"\"\",3"}));
  EXPECT_EQ(sheet::PointFileLines(list, {{1, 2, 3, 5}, 3}, u'\t'),
            (std::vector<u16>{u"", u"測点名\tX座標\tY座標\t\tZ座標", u"007\t1.50\t-2\t\t", u"P,1\t\"say \"\"hi\"\"\"\t3\t\t9"}));
  EXPECT_EQ(sheet::pointFileSeparatorForWrite(u"x.TXT"), u'\t');
  EXPECT_EQ(sheet::pointFileSeparatorForWrite(u"x.csv"), u',');

  auto cp932 = sheet::EncodePointFile({u"測,1,2"}, codec());
  EXPECT_FALSE(cp932.utf8);
  EXPECT_EQ(cp932.bytes, "\x91\xAA,1,2\r\n");
  auto utf8 = sheet::EncodePointFile({u"\u00E9,1,2"}, codec());  // é is not in CP932
  EXPECT_TRUE(utf8.utf8);
  EXPECT_EQ(utf8.bytes, "\xEF\xBB\xBF\xC3\xA9,1,2\r\n");
  EXPECT_TRUE(sheet::PointFileLines(ui::TextGrid(5, 2), {}, u',').empty());
}
