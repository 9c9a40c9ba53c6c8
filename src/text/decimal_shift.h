#pragma once
// Moving the decimal point of a number the user typed. Dividing the double
// by 1000 rounds the quotient to binary first, and a typed half then falls
// either side: 12345.5 / 1000 is stored just below 12.3455. These work on
// the shortest decimal text that reads back as the value instead, which for
// anything typed with up to 15 significant digits is what was typed.
#include "text/u16.h"

namespace surva::text {

// value × 10^shift in fixed point with `decimals` digits, halves rounded
// away from zero on the decimal digits: (12345.5, -3, 3) -> "12.346",
// (-99999.5, -3, 3) -> "-100.000". An all-zero result carries no minus.
u16 formatFixedShifted(double value, int shift, int decimals);

// value × 10^shift in the general form of formatGeneral: (100.5, 3) -> "100500".
u16 formatGeneralShifted(double value, int shift);

}  // namespace surva::text
