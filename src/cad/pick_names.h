#pragma once
// Station names of picked points: the text around the last run of digits,
// and the number that counts up from one pick to the next.
#include <cstdint>

#include "text/u16.h"

namespace surva::cad {

struct NameParts {
  text::u16 before;  // A
  text::u16 digits;  // D
  text::u16 after;   // B
};

// Blanks and control characters (codes below 33) are removed from both
// ends first. Without any digit, A and D are empty and B is the whole text.
NameParts SplitNameAtNumber(text::u16view name);

// D as a decimal number; 0 when it is empty or does not fit 32 bits.
std::int64_t NameNumber(text::u16view digits);

// A, then n in decimal (no leading zeros), then B.
text::u16 NameWithNumber(const NameParts& parts, std::int64_t n);

}  // namespace surva::cad
