#pragma once
// Expected lines of the table's records, values given as the file shows them.
#include <string>

#include "dxf_lines.h"

namespace surva::testing {

inline std::string hline(const std::string& layer, const std::string& y, const std::string& x2) {
  return crlf({"  0", "LINE", "  8", layer, " 10", "0.0", " 20", y, " 11", x2, " 21", y});
}
inline std::string vline(const std::string& layer, const std::string& x, const std::string& y2) {
  return crlf({"  0", "LINE", "  8", layer, " 10", x, " 20", "0.0", " 11", x, " 21", y2});
}
inline std::string ttext(const std::string& layer, const std::string& h72, const std::string& x, const std::string& y,
                         const std::string& height, const std::string& text, const std::string& width) {
  return crlf({"  0", "TEXT", "  8", layer, " 72", h72, " 73", "2", " 10", x, " 20", y, " 11", x, " 21", y, " 40",
               height, "  1", text, " 41", width});
}
inline std::string heading(const std::string& x, const std::string& y, const std::string& height,
                           const std::string& text, const std::string& layer = "SURVA_TBLTEXT") {
  return ttext(layer, "1", x, y, height, text, "1.0");
}
inline std::string leftCell(const std::string& x, const std::string& y, const std::string& height,
                            const std::string& text, const std::string& layer = "SURVA_TBLTEXT") {
  return ttext(layer, "0", x, y, height, text, "0.8");
}
inline std::string rightCell(const std::string& x, const std::string& y, const std::string& height,
                             const std::string& text, const std::string& layer = "SURVA_TBLTEXT") {
  return ttext(layer, "2", x, y, height, text, "0.8");
}

}  // namespace surva::testing
