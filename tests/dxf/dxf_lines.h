#pragma once
// Expected DXF text written as its lines, each followed by CR LF.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace surva::testing {

inline std::string crlf(std::initializer_list<std::string_view> lines) {
  std::string out;
  for (std::string_view l : lines) {
    out.append(l);
    out += "\r\n";
  }
  return out;
}

inline const std::string& headAndEntities() {
  static const std::string text = crlf({"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  0",
                                        "ENDSEC", "  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE",
                                        " 70", "  1", "  0", "LTYPE", "  2", "CONTINUOUS", " 70", "  0", "  3",
                                        "Solid line", " 72", " 65", " 73", "  0", " 40", "0.0", "  0", "ENDTAB", "  0",
                                        "ENDSEC", "  0", "SECTION", "  2", "ENTITIES"});
  return text;
}

inline const std::string& fileEnd() {
  static const std::string text = crlf({"  0", "ENDSEC", "  0", "EOF"});
  return text;
}

// The lines of a DXF text, without their CR LF; fails on a bare LF or CR.
inline std::vector<std::string> splitCrlf(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) {
      lines.emplace_back("<no CR LF>");
      break;
    }
    lines.emplace_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

}  // namespace surva::testing
