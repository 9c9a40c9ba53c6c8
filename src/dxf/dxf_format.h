#pragma once
// The number forms of the exchange DXF file, as ASCII bytes.
#include <string>

namespace surva::dxf {

// Fixed point with exactly `decimals` digits (none when negative), halves away from zero on
// the exact binary value: the same text as text::formatFixed, built without
// UTF-16 or heap traffic because a large plot writes millions of them.
std::string formatFixedAscii(double value, int decimals);
// A coordinate: fixed point with 8 decimals (1234.5 -> "1234.50000000").
inline std::string formatCoord(double value) { return formatFixedAscii(value, 8); }
// A height, radius or other size: general form, at most 15 significant
// digits (2.5 -> "2.5", 3.0 -> "3").
std::string formatSize(double value);

}  // namespace surva::dxf
