#include "text/u16.h"

#include <gtest/gtest.h>

#include "text/error.h"

using namespace surva::text;

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(trim(u" \t\r\nA B\x01 "), u"A B");
  EXPECT_EQ(trim(u"\x1f\x20"), u"");
  EXPECT_EQ(trim(u"　全角　"), u"　全角　");  // the ideographic space is code 12288, not a blank here
  EXPECT_EQ(trimLeft(u"  x "), u"x ");
  EXPECT_EQ(trimRight(u"  x "), u"  x");
}

TEST(Case, OnlyAsciiLettersChange) {
  EXPECT_EQ(upperAscii(u"gcad.application.23 ａｂ"), u"GCAD.APPLICATION.23 ａｂ");
  EXPECT_EQ(lowerAscii(u"KeTaSuu"), u"ketasuu");
  EXPECT_TRUE(equalsIgnoreAsciiCase(u"DXF", u"dxf"));
  EXPECT_FALSE(equalsIgnoreAsciiCase(u"DXF", u"dxfx"));
}

TEST(Utf8, RoundTripsAndReplacesBrokenSequences) {
  u16 s = u"測点 A-1 \U0001F600";
  EXPECT_EQ(fromUtf8(toUtf8(s)), s);
  EXPECT_EQ(toUtf8(u"é"), "\xC3\xA9");
  EXPECT_EQ(fromUtf8("a\xC3"), u"a\uFFFD");        // cut-off sequence
  EXPECT_EQ(fromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong form
  EXPECT_EQ(fromUtf8("\xED\xA0\x80").front(), u'\uFFFD');
  EXPECT_EQ(toUtf8(u16(1, char16_t(0xD800))), "\xEF\xBF\xBD");  // lone surrogate
}

TEST(Wide, RoundTrips) {
  u16 s = u"ＭＳ ゴシック \U0001F600";
  EXPECT_EQ(fromWide(toWide(s)), s);
}

TEST(Failure, CarriesTheUserMessage) {
  surva::Failure f(u"画層が不正です");
  EXPECT_EQ(surva::messageOf(f), u"画層が不正です");
  std::runtime_error plain("disk full");
  EXPECT_EQ(surva::messageOf(plain), u"disk full");
}
