#pragma once
// Small R12 DXF texts for the insert tests, in the shape the plotting writes.
#include <string>
#include <vector>

namespace surva::simtest {

// Lines joined with CR LF after each.
inline std::string crlf(const std::vector<std::string>& lines) {
  std::string s;
  for (const auto& l : lines) s += l + "\r\n";
  return s;
}

inline std::vector<std::string> dxfHead() {
  return {"  0", "SECTION", "  2", "HEADER", "  9", "$ACADVER", "  1", "AC1009", "  0", "ENDSEC",
          "  0", "SECTION", "  2", "TABLES", "  0", "TABLE", "  2", "LTYPE", " 70", "  1",
          "  0", "LTYPE", "  2", "CONTINUOUS", " 70", "  0", "  3", "Solid line", " 72", " 65",
          " 73", "  0", " 40", "0.0", "  0", "ENDTAB", "  0", "ENDSEC", "  0", "SECTION",
          "  2", "ENTITIES"};
}

inline std::vector<std::string> dxfEnd() { return {"  0", "ENDSEC", "  0", "EOF"}; }

inline std::string dxfWith(const std::vector<std::string>& entities) {
  auto all = dxfHead();
  all.insert(all.end(), entities.begin(), entities.end());
  auto end = dxfEnd();
  all.insert(all.end(), end.begin(), end.end());
  return crlf(all);
}

}  // namespace surva::simtest
