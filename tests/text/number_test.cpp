#include "text/number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace surva::text;

TEST(FormatFixed, HalvesGoAwayFromZeroOnTheExactBinaryValue) {
  struct Case {
    double value;
    int decimals;
    const char16_t* expected;
  } cases[] = {
      {2.5, 0, u"3"},
      {-2.5, 0, u"-3"},
      {200.5, 0, u"201"},
      {0.125, 2, u"0.13"},
      {1.005, 2, u"1.00"},  // stored below 1.005
      {12345.123456789, 8, u"12345.12345679"},
      {-0.5, 8, u"-0.50000000"},
      {0.5, 0, u"1"},
      {1.5, 0, u"2"},
      {9.995, 2, u"9.99"},   // stored below the tie
      {9.9999, 2, u"10.00"},  // carry through every digit
      {999.5, 0, u"1000"},
      {0, 3, u"0.000"},
      {123.0, 3, u"123.000"},
      {1e20, 2, u"100000000000000000000.00"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatFixed(c.value, c.decimals), c.expected) << c.value << " @" << c.decimals;
}

TEST(FormatFixed, ZeroResultCarriesNoMinusSign) {
  EXPECT_EQ(formatFixed(-0.001, 2), u"0.00");
  EXPECT_EQ(formatFixed(-0.0, 0), u"0");
  EXPECT_EQ(formatFixed(-0.005, 2), u"-0.01");
}

TEST(FormatFixed, NonFiniteValuesAreNamed) {
  EXPECT_EQ(formatFixed(std::numeric_limits<double>::quiet_NaN(), 2), u"NAN");
  EXPECT_EQ(formatFixed(-std::numeric_limits<double>::infinity(), 2), u"-INF");
}

TEST(FormatGeneral, ShortestTextWithFifteenSignificantDigits) {
  struct Case {
    double value;
    const char16_t* expected;
  } cases[] = {
      {2.5, u"2.5"},
      {3.0, u"3"},
      {1.8 * 0.3, u"0.54"},
      {100.5 * 1000, u"100500"},
      {0.25 * 1000, u"250"},
      {-12345.678, u"-12345.678"},
      {0.1 + 0.2, u"0.3"},
      {123456789012345.0, u"123456789012345"},
      {0.00001, u"0.00001"},
      {1e15, u"1E15"},
      {1.5e-7, u"1.5E-7"},
      {0.0, u"0"},
      {-0.0, u"0"},
      {1.0 / 3.0, u"0.333333333333333"},
      // Cut, not rounded past the largest double, so it reads back (found by fuzzing).
      {-1.7976931348623157e308, u"-1.79769313486231E308"},
  };
  for (const auto& c : cases) EXPECT_EQ(formatGeneral(c.value), c.expected) << c.value;
  EXPECT_TRUE(tryParseNumber(formatGeneral(1.7976931348623157e308)));
}

TEST(ParseNumber, DotIsTheDecimalPointAndOtherTextIsZero) {
  EXPECT_DOUBLE_EQ(parseNumber(u"12.5"), 12.5);
  EXPECT_DOUBLE_EQ(parseNumber(u" -3.25 "), -3.25);
  EXPECT_DOUBLE_EQ(parseNumber(u"+.5"), 0.5);
  EXPECT_DOUBLE_EQ(parseNumber(u"5."), 5.0);
  EXPECT_DOUBLE_EQ(parseNumber(u"1.5e3"), 1500.0);
  EXPECT_EQ(parseNumber(u""), 0.0);
  EXPECT_EQ(parseNumber(u"12,5"), 0.0);
  EXPECT_EQ(parseNumber(u"abc"), 0.0);
  EXPECT_EQ(parseNumber(u"1e"), 0.0);
  EXPECT_EQ(parseNumber(u"."), 0.0);
  EXPECT_EQ(parseNumber(u"inf"), 0.0);
  EXPECT_EQ(parseNumber(u"nan"), 0.0);
  EXPECT_EQ(parseNumber(u"0x10"), 0.0);
  EXPECT_EQ(parseNumber(u"１２"), 0.0);  // full-width digits are not a number
  EXPECT_FALSE(tryParseNumber(u"1e999").has_value());
  EXPECT_TRUE(tryParseNumber(u"0").has_value());
  EXPECT_FALSE(tryParseNumber(u"").has_value());
}

TEST(ParseInt, ThirtyTwoBitsWithSign) {
  EXPECT_EQ(tryParseInt(u"500"), 500);
  EXPECT_EQ(tryParseInt(u"-12"), -12);
  EXPECT_EQ(tryParseInt(u"+7"), 7);
  EXPECT_EQ(tryParseInt(u"2147483647"), 2147483647);
  EXPECT_EQ(tryParseInt(u"-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_FALSE(tryParseInt(u"2147483648"));
  EXPECT_FALSE(tryParseInt(u"99999999999999999999"));
  EXPECT_FALSE(tryParseInt(u"1.5"));
  EXPECT_FALSE(tryParseInt(u""));
  EXPECT_FALSE(tryParseInt(u"-"));
  EXPECT_FALSE(tryParseInt(u"12a"));
}

TEST(ParseInt, HexadecimalForSettings) {
  EXPECT_EQ(tryParseIntOrHex(u"0x1F"), 31);
  EXPECT_EQ(tryParseIntOrHex(u"0XfF"), 255);
  EXPECT_EQ(tryParseIntOrHex(u"$10"), 16);
  EXPECT_EQ(tryParseIntOrHex(u"0xFFFFFFFF"), -1);
  EXPECT_EQ(tryParseIntOrHex(u"42"), 42);
  EXPECT_FALSE(tryParseIntOrHex(u"0x"));
  EXPECT_FALSE(tryParseIntOrHex(u"0x1G"));
  EXPECT_FALSE(tryParseIntOrHex(u"0x100000000"));
}
