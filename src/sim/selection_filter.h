#pragma once
// Selection filters as SelectOnScreen takes them: parallel arrays of DXF
// group codes and values. Group code 0 names entity types ("TEXT",
// "LWPOLYLINE,POLYLINE", wildcards "*" and "?"), 8 layer names.
#include "platform/variant.h"
#include "sim/entity.h"

namespace surva::sim {

class SelectionFilter {
 public:
  // Both arguments empty (or empty arrays) admit every entity.
  SelectionFilter(const platform::Variant& types, const platform::Variant& values);
  bool admits(const Entity& e) const;

 private:
  std::vector<std::pair<int, text::u16>> conditions_;
};

// Wildcard match without regard to ASCII case; "," separates alternatives.
bool wildcardMatch(text::u16view pattern, text::u16view s);

}  // namespace surva::sim
