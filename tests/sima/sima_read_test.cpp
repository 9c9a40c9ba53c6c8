// Reading SIMA point records into the read list and the main list.
#include <gtest/gtest.h>

#include "platform/posix/iconv_codec.h"
#include "platform/posix/posix_files.h"
#include "sima/sima_reader.h"
#include "sima/sima_transfer.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "text/error.h"

using namespace surva;
using namespace surva::sima;
using text::u16;

namespace {

struct Lists {
  ui::TextGrid sima{6, 5};
  ui::TextGrid main{5, 5};
};

const text::AnsiCodec& codec() {
  static platform::posix::IconvCodec c;
  return c;
}

std::vector<SimaRecord> readBytes(const std::string& bytes) {
  fakes::FakeFileSystem fs;
  fs.files[u"a.sim"] = bytes;
  return ReadSimaPointRecords(fs, codec(), u"a.sim");
}

void load(Lists& l, const std::string& bytes, SimaTransferOptions o = {}) {
  LoadSimaRecords(readBytes(bytes), l.sima, l.main, o);
}

std::vector<u16> row(const ui::TextGrid& g, int r) { return g.rowCells(r); }

u16 failureOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const Failure& e) {
    return e.message();
  }
  return u"(no failure)";
}

}  // namespace

TEST(SimaRead, PointRecordRuleAndTransferWithBothOptions) {
  Lists l;
  load(l,
       "G00,01,,\r\nA00,\r\n"
       "A01,1,P1,100.5,200.25,10,\r\n"
       "A01,2,P2,1,2\r\n"         // five fields
       "A01,3,P3,1,2,\r\n"        // six, Z empty
       "a01,4,x,1,2,3,\nA00,5,x,1,2,3,\rA99,6,x,1,2,3,\nB01,7,x,1,2,3,\n"
       "A02,8, P8 ,3,4,5\n"       // blanks kept
       "A1,9,P9,0.25,1,2,extra,fields\n"
       "A99,\r\n");
  ASSERT_EQ(l.sima.rowCount(), 5);
  EXPECT_EQ(row(l.sima, 1), (std::vector<u16>{u"A01", u"1", u"P1", u"100.5", u"200.25", u"10"}));
  EXPECT_EQ(row(l.main, 1), (std::vector<u16>{u"P1", u"200250", u"100500", u"10000", u"1"}));
  EXPECT_EQ(row(l.main, 2), (std::vector<u16>{u"P3", u"2000", u"1000", u"0", u"2"}));
  EXPECT_EQ(row(l.sima, 3), (std::vector<u16>{u"A02", u"8", u" P8 ", u"3", u"4", u"5"}));
  EXPECT_EQ(row(l.main, 4), (std::vector<u16>{u"P9", u"1000", u"250", u"2000", u"4"}));

  Lists plain;
  load(plain, "A01,1,P1,100.5,200.25,10,\r\n", {false, false});
  EXPECT_EQ(row(plain.main, 1), (std::vector<u16>{u"P1", u"100.5", u"200.25", u"10", u"1"}));
}

TEST(SimaRead, APointCodeIsDigitsOnly) {
  struct {
    const char* code;
    bool point;
  } cases[] = {{"A1", true}, {"A01", true}, {"A98", true}, {"A1 ", false}, {"A1\t", false}, {"A 1", false}, {"A+1", false}};
  for (const auto& c : cases)
    EXPECT_EQ(readBytes(std::string(c.code) + ",1,P,1,2,3,\n").size(), c.point ? 1u : 0u) << c.code;
}

TEST(SimaRead, BothListsAreCutToTheFileOrKeepOneEmptyRow) {
  Lists l;
  l.main.setRowCount(501);
  l.main.setCell(0, 400, u"old");
  std::string file;
  for (int i = 1; i <= 300; ++i) file += "A01," + std::to_string(i) + ",P,1,2,3,\r\n";
  load(l, file);
  EXPECT_EQ(l.main.rowCount(), 301);
  EXPECT_EQ(l.sima.rowCount(), 301);
  EXPECT_EQ(l.main.cell(4, 300), u"300");

  load(l, "G00,01,,\r\n");
  EXPECT_EQ(l.sima.rowCount(), 2);
  EXPECT_EQ(row(l.sima, 1), std::vector<u16>(6));
  EXPECT_EQ(row(l.main, 1), (std::vector<u16>{u"", u"", u"", u"", u"1"}));
}

// A row without X is converted like the rest, so the rows below it never
// keep the other unit.
TEST(SimaRead, TransferAgainNeverMultipliesTwiceAndConvertsEveryRow) {
  Lists l;
  load(l, "A01,1,P1,1.5,2,3,\nA01,2,P2,,2,3,\nA01,3,P3,7,8,9,\n");
  l.main.setCell(0, 3, u"edited");
  l.main.setRowCount(6);
  TransferSimaList(l.sima, l.main, {true, false});
  EXPECT_EQ(l.main.rowCount(), 4);  // as many rows as the read list
  EXPECT_EQ(row(l.main, 2), (std::vector<u16>{u"P2", u"2", u"", u"3", u"2"}));
  EXPECT_EQ(row(l.main, 3), (std::vector<u16>{u"P3", u"8", u"7", u"9", u"3"}));
  TransferSimaList(l.sima, l.main, {false, true});
  EXPECT_EQ(row(l.main, 1), (std::vector<u16>{u"P1", u"1500", u"2000", u"3000", u"1"}));
  EXPECT_EQ(row(l.main, 2), (std::vector<u16>{u"P2", u"0", u"2000", u"3000", u"2"}));
  EXPECT_EQ(row(l.main, 3), (std::vector<u16>{u"P3", u"7000", u"8000", u"9000", u"3"}));
}

TEST(SimaRead, EncodingsAndLineBreaksAreFollowed) {
  const std::vector<SimaRecord> want{{u"A01", u"1", u"測点", u"1", u"2", u"3"}, {u"A01", u"2", u"Ｂ", u"4", u"5", u""}};
  EXPECT_EQ(readBytes("A01,1,\x91\xAA\x93\x5F,1,2,3,\rA01,2,\x82\x61,4,5,"), want);
  EXPECT_EQ(readBytes("\xEF\xBB\xBF" "A01,1,測点,1,2,3,\nA01,2,Ｂ,4,5,\r\n"), want);
  std::string le = "\xFF\xFE", be = "\xFE\xFF";
  for (char16_t c : u16(u"A01,1,測点,1,2,3,\r\nA01,2,Ｂ,4,5,")) {
    le += char(c & 0xFF), le += char(c >> 8);
    be += char(c >> 8), be += char(c & 0xFF);
  }
  EXPECT_EQ(readBytes(le), want);
  EXPECT_EQ(readBytes(be), want);
}

TEST(SimaRead, DamagedInputGivesAResultOrAClearMessage) {
  EXPECT_TRUE(readBytes("").empty());
  // A NUL stays a character; a byte the code page leaves undefined keeps
  // the code page's own character for it (0xFF is private-use U+F8F3 in
  // Windows' table), never another name; a cut-off UTF-16 unit ends the
  // last field with U+FFFD.
  EXPECT_EQ(readBytes(std::string("A01,1,P\0,1,2,3,", 15)).at(0)[2], u16(u"P\0", 2));
  EXPECT_EQ(readBytes("A01,1,P\xFF,1,2,3,").at(0)[2], u"P" + codec().decode("\xFF"));
  EXPECT_EQ(readBytes(std::string("\xFF\xFE" "A\0" "1\0,\0,\0,\0,\0,\0" "3", 17)).at(0)[5], u"\uFFFD");

  // A long line that is no point record is passed over as it streams by.
  std::string big(3 << 19, 'x');  // beyond what the decoder holds back
  EXPECT_EQ(readBytes(big + "\nA01,1,P,1,2,3\n").size(), 1u);
  EXPECT_EQ(failureOf([&] { readBytes("G00\nA01,1," + big + "\n"); }),
            u"ファイル a.sim を読み込めません．\n2 行目の点データが長すぎます．");
  // Fields after the sixth are never held, however long.
  EXPECT_EQ(readBytes("A01,1,P,1,2,3," + big).at(0)[5], u"3");

  fakes::TempDir dir;
  platform::posix::PosixFileSystem fs;
  EXPECT_EQ(failureOf([&] { ReadSimaPointRecords(fs, codec(), dir.file("")); }).find(u"フォルダー") != u16::npos,
            true);
  EXPECT_NE(failureOf([&] { ReadSimaPointRecords(fs, codec(), dir.file("none.sim")); }), u"(no failure)");
}
