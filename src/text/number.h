#pragma once
// Locale-independent numbers: "." is the decimal point everywhere.
#include <cstdint>
#include <optional>
#include <string>

#include "text/u16.h"

namespace surva::text {

// A decimal number with optional sign, fraction and exponent, blanks
// (code < 33) allowed around it. Anything else is not a number.
std::optional<double> tryParseNumber(u16view s);

// Text that is not a number gives 0.
double parseNumber(u16view s);

// An integer with optional sign, blanks allowed around it; one that does not
// fit 32 bits is not an integer.
std::optional<std::int32_t> tryParseInt(u16view s);

// Like tryParseInt, also accepting "0x"/"$" hexadecimal (settings files).
std::optional<std::int32_t> tryParseIntOrHex(u16view s);

// Fixed point with `decimals` digits after the point, halves rounded away
// from zero on the exact binary value (printf rounds exact ties to even).
// A result whose digits are all zero carries no minus sign.
u16 formatFixed(double value, int decimals);

// The fixed form of a magnitude given as decimal digits: `kept` is the
// magnitude times 10^decimals cut to an integer, `roundUp` whether the cut
// digit was 5 or more (halves away from zero).
u16 fixedFromDigits(bool negative, std::string kept, bool roundUp, int decimals);

// The shortest text with at most 15 significant digits: 2.5 -> "2.5",
// 3.0 -> "3", 1.8 * 0.3 -> "0.54". Exponent form ("1E20", "1.5E-7") only
// for magnitudes at or above 1e15 or below 1e-5.
u16 formatGeneral(double value);

}  // namespace surva::text
