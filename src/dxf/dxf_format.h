#pragma once
// The two number forms of the exchange DXF file, as ASCII bytes.
#include <string>

namespace surva::dxf {

// A coordinate: fixed point with 8 decimals (1234.5 -> "1234.50000000").
std::string formatCoord(double value);
// A height, radius or other size: general form, at most 15 significant
// digits (2.5 -> "2.5", 3.0 -> "3").
std::string formatSize(double value);

}  // namespace surva::dxf
