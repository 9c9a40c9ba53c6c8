#include <gtest/gtest.h>

#include "dxf/dxf_format.h"
#include "dxf/dxf_records.h"
#include "dxf/dxf_text.h"
#include "dxf_lines.h"
#include "platform/posix/iconv_codec.h"
#include "support/fakes.h"
#include "text/number.h"

namespace surva::dxf {
namespace {

using testing::crlf;

class DxfWriterTest : public ::testing::Test {
 protected:
  platform::posix::IconvCodec codec;
};

TEST_F(DxfWriterTest, HeadAloneIsEightItemsThenEntitiesAndEnd) {
  DxfText dxf(codec);
  WriteDxfHeader(dxf);
  EXPECT_EQ(dxf.itemCount(), 8u);
  writeEntitiesStart(dxf);
  writeFileEnd(dxf);
  EXPECT_EQ(dxf.itemCount(), 10u);
  EXPECT_EQ(dxf.bytes(), testing::headAndEntities() + testing::fileEnd());
  // Every line, the last "EOF" included, ends in CR LF; no bare LF anywhere.
  EXPECT_EQ(dxf.bytes().substr(dxf.bytes().size() - 5), "EOF\r\n");
  for (const std::string& l : testing::splitCrlf(dxf.bytes())) EXPECT_EQ(l.find('\n'), std::string::npos);
}

TEST_F(DxfWriterTest, NumberForms) {
  EXPECT_EQ(formatCoord(1234.5), "1234.50000000");
  EXPECT_EQ(formatCoord(-0.5), "-0.50000000");
  EXPECT_EQ(formatCoord(12345.123456789), "12345.12345679");
  EXPECT_EQ(formatCoord(0.0), "0.00000000");
  EXPECT_EQ(formatSize(2.5), "2.5");
  EXPECT_EQ(formatSize(3.0), "3");
  EXPECT_EQ(formatSize(1.8 * 0.3), "0.54");
  EXPECT_EQ(formatSize(1.8 * 100), "180");
  EXPECT_EQ(formatSize(0.0), "0");
}

TEST(DxfNumberForms, FixedFormIsTheSharedFormatter) {
  // The writer's own formatter must give exactly text::formatFixed's text.
  const double values[] = {0.0,      -0.0,         2.5,        -2.5,         0.125,        1.005,      200.5,
                           0.5,      -0.5,         9.5,        99.999999995, -99.999999995, 1e-9,     -1e-9,
                           1e20,     -123456789.123456789,     0.000000005,  0.0000000049, 1.7976931348623157e308,
                           5e-324,   12345.123456789,          999999.999999995};
  for (double v : values)
    for (int d : {0, 1, 2, 3, 8, 30})
      EXPECT_EQ(formatFixedAscii(v, d), text::toUtf8(text::formatFixed(v, d))) << v << " at " << d;
  std::uint64_t x = 88172645463325252ull;
  for (int i = 0; i < 20000; ++i) {
    x ^= x << 13, x ^= x >> 7, x ^= x << 17;
    const double v = (static_cast<double>(x % 2000000000) - 1e9) / static_cast<double>(1 + x % 100000);
    const int d = static_cast<int>(x % 10);
    ASSERT_EQ(formatFixedAscii(v, d), text::toUtf8(text::formatFixed(v, d))) << v << " at " << d;
  }
}

TEST_F(DxfWriterTest, PointRecordForms) {
  DxfText dxf(codec);
  const Xyz p{1.5, -2.25, 0};
  writePolylineHead(dxf, "L", 9);
  writeVertex(dxf, "L", p);
  writeSeqend(dxf);
  writePoint(dxf, "P", p);
  writeCircle(dxf, "C", p, 0.5);
  EXPECT_EQ(dxf.itemCount(), 4u + 4u + 1u + 4u + 5u);
  EXPECT_EQ(dxf.bytes(), crlf({"  0", "POLYLINE", "  8", "L", " 66", "     1", " 10", "0.0", " 20", "0.0", " 30", "0.0",
                               " 70", "     9",                                                          //
                               "  0", "VERTEX", "  8", "L", " 10", "1.50000000", " 20", "-2.25000000", " 30",
                               "0.00000000",                                                              //
                               "  0", "SEQEND",                                                           //
                               "  0", "POINT", "  8", "P", " 10", "1.50000000", " 20", "-2.25000000", " 30",
                               "0.00000000",                                                              //
                               "  0", "CIRCLE", "  8", "C", " 10", "1.50000000", " 20", "-2.25000000", " 30",
                               "0.00000000", " 40", "0.5"}));
}

TEST_F(DxfWriterTest, LabelTextForms) {
  DxfText dxf(codec);
  writeNameText(dxf, "N", {1, 2, 3}, 2.5, "A-1");
  writeCoordText(dxf, "X", {1, 2, 3}, 1.8, "1.000,2.000");
  EXPECT_EQ(dxf.itemCount(), 7u + 12u);
  EXPECT_EQ(dxf.bytes(),
            crlf({"  0", "TEXT", "  8", "N", " 10", "1.00000000", " 20", "2.00000000", " 30", "3.00000000", " 40", "2.5",
                  "  1", "A-1", " 41", "1.0",  //
                  "  0", "TEXT", "  8", "X", " 72", "0", " 73", "3", " 10", "1.00000000", " 20", "2.00000000", " 30",
                  "3.00000000", " 11", "1.00000000", " 21", "2.00000000", " 31", "3.00000000", " 40", "1.8", "  1",
                  "1.000,2.000", " 41", "0.8"}));
}

TEST_F(DxfWriterTest, TableForms) {
  DxfText dxf(codec);
  writeHorizontalLine(dxf, "F", -5, 85);
  writeVerticalLine(dxf, "F", 25, -20);
  writeTableHeading(dxf, "T", 12.5, -2.5, 3, "H");
  writeTableCell(dxf, "T", CellAlign::Left, 5, -12.5, 3, "A");
  writeTableCell(dxf, "T", CellAlign::Right, 50, -12.5, 3, "1.000");
  EXPECT_EQ(dxf.itemCount(), 5u + 5u + 10u + 10u + 10u);
  EXPECT_EQ(dxf.bytes(),
            crlf({"  0", "LINE", "  8", "F", " 10", "0.0", " 20", "-5.00000000", " 11", "85.00000000", " 21",
                  "-5.00000000",  //
                  "  0", "LINE", "  8", "F", " 10", "25.00000000", " 20", "0.0", " 11", "25.00000000", " 21",
                  "-20.00000000",  //
                  "  0", "TEXT", "  8", "T", " 72", "1", " 73", "2", " 10", "12.50000000", " 20", "-2.50000000", " 11",
                  "12.50000000", " 21", "-2.50000000", " 40", "3", "  1", "H", " 41", "1.0",  //
                  "  0", "TEXT", "  8", "T", " 72", "0", " 73", "2", " 10", "5.00000000", " 20", "-12.50000000", " 11",
                  "5.00000000", " 21", "-12.50000000", " 40", "3", "  1", "A", " 41", "0.8",  //
                  "  0", "TEXT", "  8", "T", " 72", "2", " 73", "2", " 10", "50.00000000", " 20", "-12.50000000", " 11",
                  "50.00000000", " 21", "-12.50000000", " 40", "3", "  1", "1.000", " 41", "0.8"}));
}

TEST_F(DxfWriterTest, ValuesInCodePageWithControlsBlankedAndUnmappableEscaped) {
  DxfText dxf(codec);
  EXPECT_EQ(dxf.encodeValue(u"No.7"), "No.7");
  EXPECT_EQ(dxf.encodeValue(u"測点"), "\x91\xaa\x93\x5f");  // Shift_JIS
  // A line break inside a value would end the value line and shift every
  // later group code.
  EXPECT_EQ(dxf.encodeValue(u"A\r\nB\tC"), "A  B C");
  // Hangul is outside the code page: the CAD's own escape, not "?".
  EXPECT_EQ(dxf.encodeValue(u"点\uD55C"), "\x93\x5f\\U+D55C");
  EXPECT_EQ(dxf.encodeValue(u"\U0001F600"), "\\U+D83D\\U+DE00");
  EXPECT_EQ(dxf.encodeValue(u"x\xD800y"), "x\\U+D800y");
}

TEST_F(DxfWriterTest, SavingIsOneWriteOfTheBytes) {
  fakes::FakeFileSystem files;
  DxfText dxf(codec);
  WriteDxfHeader(dxf);
  saveDxf(files, u"C:\\a\\s.dxf", dxf);
  EXPECT_EQ(files.writes, 1);
  EXPECT_EQ(files.files[u"C:\\a\\s.dxf"], dxf.bytes());
  files.failWrites = true;
  EXPECT_THROW(saveDxf(files, u"C:\\a\\s.dxf", dxf), Failure);
  EXPECT_EQ(files.files[u"C:\\a\\s.dxf"], dxf.bytes());
}

}  // namespace
}  // namespace surva::dxf
