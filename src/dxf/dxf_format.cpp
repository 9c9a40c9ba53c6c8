#include "dxf/dxf_format.h"

#include "text/number.h"

namespace surva::dxf {

namespace {
std::string narrow(const text::u16& s) { return std::string(s.begin(), s.end()); }
}  // namespace

std::string formatCoord(double value) { return narrow(text::formatFixed(value, 8)); }

std::string formatSize(double value) { return narrow(text::formatGeneral(value)); }

}  // namespace surva::dxf
