#pragma once
// Expected lines of the plot's records, values given as the file shows them.
#include <string>

#include "dxf_lines.h"

namespace surva::testing {

inline std::string polylineHead(const std::string& flag, const std::string& layer = "SURVA_PLINE") {
  return crlf({"  0", "POLYLINE", "  8", layer, " 66", "     1", " 10", "0.0", " 20", "0.0", " 30", "0.0", " 70",
               "     " + flag});
}
inline std::string vertex(const std::string& x, const std::string& y, const std::string& z,
                          const std::string& layer = "SURVA_PLINE") {
  return crlf({"  0", "VERTEX", "  8", layer, " 10", x, " 20", y, " 30", z});
}
inline std::string seqend() { return crlf({"  0", "SEQEND"}); }
inline std::string point(const std::string& x, const std::string& y, const std::string& z,
                         const std::string& layer = "SURVA_POINT") {
  return crlf({"  0", "POINT", "  8", layer, " 10", x, " 20", y, " 30", z});
}
inline std::string circle(const std::string& x, const std::string& y, const std::string& z, const std::string& r,
                          const std::string& layer = "SURVA_CIRCLE") {
  return crlf({"  0", "CIRCLE", "  8", layer, " 10", x, " 20", y, " 30", z, " 40", r});
}
inline std::string nameText(const std::string& x, const std::string& y, const std::string& z, const std::string& h,
                            const std::string& text, const std::string& layer = "SURVA_TEXTPT") {
  return crlf({"  0", "TEXT", "  8", layer, " 10", x, " 20", y, " 30", z, " 40", h, "  1", text, " 41", "1.0"});
}
inline std::string coordText(const std::string& x, const std::string& y, const std::string& z, const std::string& h,
                             const std::string& text, const std::string& layer = "SURVA_TEXTXY") {
  return crlf({"  0", "TEXT", "  8", layer, " 72", "0", " 73", "3", " 10", x, " 20", y, " 30", z, " 11", x, " 21", y,
               " 31", z, " 40", h, "  1", text, " 41", "0.8"});
}
inline std::string wholeFile(const std::string& entities) { return headAndEntities() + entities + fileEnd(); }

}  // namespace surva::testing
