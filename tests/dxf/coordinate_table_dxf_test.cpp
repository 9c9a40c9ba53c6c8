#include <gtest/gtest.h>

#include "dxf/coordinate_table_dxf.h"
#include "platform/posix/iconv_codec.h"
#include "table_lines.h"
#include "text/error.h"

namespace surva::dxf {
namespace {

using namespace surva::testing;

const std::string kLine = "SURVA_TBLLINE";
const std::string kSJ_Name = "\x91\xaa\x93\x5f";  // 測点
const std::string kSJ_X = "X\x8d\xc0\x95\x57";    // X座標
const std::string kSJ_Y = "Y\x8d\xc0\x95\x57";
const std::string kSJ_Z = "Z\x8d\xc0\x95\x57";

class TableDxfTest : public ::testing::Test {
 protected:
  TableDxfTest() : list(5, 4) {
    s.rowHeight = u"5";
    s.nameWidth = u"25";
    s.coordWidth = u"30";
    s.textHeight = u"2.5";
    s.decimals = u"3";
    s.frameLayer = u"SURVA_TBLLINE";
    s.textLayer = u"SURVA_TBLTEXT";
  }
  void row(int r, text::u16 name, text::u16 x, text::u16 y, text::u16 z = u"") {
    list.setCell(0, r, std::move(name));
    list.setCell(1, r, std::move(x));
    list.setCell(2, r, std::move(y));
    list.setCell(3, r, std::move(z));
  }
  std::string body(double factor = 1) {
    std::string all = buildTableDxf(list, s, factor, codec).bytes();
    EXPECT_EQ(all.substr(0, headAndEntities().size()), headAndEntities());
    EXPECT_EQ(all.substr(all.size() - fileEnd().size()), fileEnd());
    return all.substr(headAndEntities().size(), all.size() - headAndEntities().size() - fileEnd().size());
  }

  platform::posix::IconvCodec codec;
  ui::TextGrid list;
  TableSettings s;
};

TEST_F(TableDxfTest, WorkedGeometryThreeRowsXyOrder) {
  row(1, u"A-1", u"100.1234", u"200.5");
  row(2, u" B 2 ", u"-2.5", u"abc", u"9");
  row(3, u"", u"3", u"");
  std::string expected = hline(kLine, "0.00000000", "85.00000000") + hline(kLine, "-5.00000000", "85.00000000") +
                         hline(kLine, "-10.00000000", "85.00000000") + hline(kLine, "-15.00000000", "85.00000000") +
                         hline(kLine, "-20.00000000", "85.00000000") +  //
                         vline(kLine, "0.00000000", "-20.00000000") + vline(kLine, "25.00000000", "-20.00000000") +
                         vline(kLine, "55.00000000", "-20.00000000") + vline(kLine, "85.00000000", "-20.00000000") +
                         heading("12.50000000", "-2.50000000", "2.5", kSJ_Name) +
                         heading("40.00000000", "-2.50000000", "2.5", kSJ_X) +
                         heading("70.00000000", "-2.50000000", "2.5", kSJ_Y) +
                         leftCell("5.00000000", "-7.50000000", "2.5", "A-1") +
                         rightCell("50.00000000", "-7.50000000", "2.5", "100.123") +
                         rightCell("80.00000000", "-7.50000000", "2.5", "200.500") +
                         // blanks kept; a cell that is not a number is 0; Z off hides Z
                         leftCell("5.00000000", "-12.50000000", "2.5", " B 2 ") +
                         rightCell("50.00000000", "-12.50000000", "2.5", "-2.500") +
                         rightCell("80.00000000", "-12.50000000", "2.5", "0.000") +
                         // empty cells write nothing
                         rightCell("50.00000000", "-17.50000000", "2.5", "3.000");
  EXPECT_EQ(body(), expected);
}

TEST_F(TableDxfTest, YxOrderWithZColumnSwapsValuesNotHeadings) {
  list.setRowCount(2);
  s.yxOrder = true;
  s.zColumn = true;
  row(1, u"P", u"", u"7", u"1.5");
  std::string expected = hline(kLine, "0.00000000", "115.00000000") + hline(kLine, "-5.00000000", "115.00000000") +
                         hline(kLine, "-10.00000000", "115.00000000") +  //
                         vline(kLine, "0.00000000", "-10.00000000") + vline(kLine, "25.00000000", "-10.00000000") +
                         vline(kLine, "55.00000000", "-10.00000000") + vline(kLine, "85.00000000", "-10.00000000") +
                         vline(kLine, "115.00000000", "-10.00000000") +
                         heading("12.50000000", "-2.50000000", "2.5", kSJ_Name) +
                         heading("40.00000000", "-2.50000000", "2.5", kSJ_X) +
                         heading("70.00000000", "-2.50000000", "2.5", kSJ_Y) +
                         heading("100.00000000", "-2.50000000", "2.5", kSJ_Z) +
                         leftCell("5.00000000", "-7.50000000", "2.5", "P") +
                         rightCell("50.00000000", "-7.50000000", "2.5", "7.000") +
                         rightCell("110.00000000", "-7.50000000", "2.5", "1.500");
  EXPECT_EQ(body(), expected);
}

TEST_F(TableDxfTest, ThousandthsAndRoundingHalvesAwayFromZero) {
  list.setRowCount(2);
  s.thousandths = true;
  row(1, u"P", u"12345.6789", u"-2500");
  s.decimals = u"3";
  std::string b = body();
  EXPECT_NE(b.find(rightCell("50.00000000", "-7.50000000", "2.5", "12.346")), std::string::npos);
  EXPECT_NE(b.find(rightCell("80.00000000", "-7.50000000", "2.5", "-2.500")), std::string::npos);
  s.thousandths = false;
  row(1, u"P", u"2.5", u"-2.5");
  s.decimals = u"0";
  b = body();
  EXPECT_NE(b.find(rightCell("50.00000000", "-7.50000000", "2.5", "3")), std::string::npos);
  EXPECT_NE(b.find(rightCell("80.00000000", "-7.50000000", "2.5", "-3")), std::string::npos);
  s.decimals = u"-2";  // a negative count means no decimals
  EXPECT_EQ(body(), b);
}

TEST_F(TableDxfTest, ManyDecimalsAreWrittenInFullOrRefused) {
  list.setRowCount(2);
  row(1, u"P", u"1.5", u"2");
  s.decimals = u"31";
  EXPECT_NE(body().find(rightCell("50.00000000", "-7.50000000", "2.5", "1.5" + std::string(30, '0'))),
            std::string::npos);
  s.decimals = u"101";
  EXPECT_THROW(buildTableDxf(list, s, 1, codec), Failure);
}

TEST_F(TableDxfTest, FactorScalesSizesButNotValues) {
  list.setRowCount(2);
  row(1, u"P", u"1", u"2");
  std::string b = body(100);
  EXPECT_EQ(b.substr(0, hline(kLine, "0.00000000", "8500.00000000").size()), hline(kLine, "0.00000000", "8500.00000000"));
  EXPECT_NE(b.find(heading("1250.00000000", "-250.00000000", "250", kSJ_Name)), std::string::npos);
  EXPECT_NE(b.find(leftCell("500.00000000", "-750.00000000", "250", "P")), std::string::npos);
  EXPECT_NE(b.find(rightCell("5000.00000000", "-750.00000000", "250", "1.000")), std::string::npos);
}

TEST_F(TableDxfTest, DecimalsThatAreNotAnIntegerNameTheText) {
  row(1, u"P", u"1", u"2");
  s.decimals = u"2.5";
  try {
    buildTableDxf(list, s, 1, codec);
    FAIL() << "no failure";
  } catch (const Failure& f) {
    EXPECT_NE(f.message().find(u"'2.5'"), text::u16::npos);
  }
}

TEST_F(TableDxfTest, EmptyLayerBoxesWriteLayerZero) {
  list.setRowCount(2);
  s.frameLayer = u"";
  s.textLayer = u"";
  row(1, u"P", u"1", u"2");
  std::string b = body();
  EXPECT_EQ(b.substr(0, hline("0", "0.00000000", "85.00000000").size()), hline("0", "0.00000000", "85.00000000"));
  EXPECT_NE(b.find(leftCell("5.00000000", "-7.50000000", "2.5", "P", "0")), std::string::npos);
}

}  // namespace
}  // namespace surva::dxf
