#include "text/round_digits.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using surva::text::RoundDigits;

TEST(RoundDigits, HalvesAwayFromZeroWithTheProgramsPowers) {
  EXPECT_EQ(RoundDigits(2.5, 0), 3.0);
  EXPECT_EQ(RoundDigits(-2.5, 0), -3.0);
  EXPECT_EQ(RoundDigits(-0.4, 0), 0.0);
  EXPECT_EQ(RoundDigits(1.2345, 3), 1.2350000000000003);
  EXPECT_EQ(RoundDigits(1.2345, 3), 1235 * 0.0010000000000000002);
  EXPECT_EQ(RoundDigits(1.005, 2), 1.0000000000000002);
  EXPECT_EQ(RoundDigits(12.3456789, 3), 12346 * 0.0010000000000000002);
  EXPECT_EQ(RoundDigits(7.0, 0), 7.0);
  // Negative n rounds to tens (f is 1/10 in single precision).
  EXPECT_EQ(RoundDigits(1234.0, -1), 1230.0);
}

TEST(RoundDigits, OutOfIntegerRangeComesBackUnrounded) {
  EXPECT_EQ(RoundDigits(1e300, 2), 1e300);
  EXPECT_EQ(RoundDigits(-9.3e18, 0), -9.3e18);
  EXPECT_EQ(RoundDigits(1.5, 60), 1.5);  // 10^60 overflows single precision
  EXPECT_TRUE(std::isnan(RoundDigits(std::nan(""), 2)));
  EXPECT_EQ(RoundDigits(std::numeric_limits<double>::infinity(), 2), std::numeric_limits<double>::infinity());
  EXPECT_EQ(RoundDigits(9.2e18, 0), 9.2e18);  // just below 2^63: still converted
}
