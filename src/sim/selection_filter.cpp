#include "sim/selection_filter.h"

#include "text/error.h"

namespace surva::sim {

using platform::Variant;

namespace {
bool matchOne(text::u16view p, text::u16view s) {
  if (p.empty()) return s.empty();
  if (p[0] == u'*') {
    for (std::size_t i = 0; i <= s.size(); ++i)
      if (matchOne(p.substr(1), s.substr(i))) return true;
    return false;
  }
  if (s.empty()) return false;
  if (p[0] != u'?' && text::upperAscii(p.substr(0, 1)) != text::upperAscii(s.substr(0, 1))) return false;
  return matchOne(p.substr(1), s.substr(1));
}
}  // namespace

bool wildcardMatch(text::u16view pattern, text::u16view s) {
  for (;;) {
    auto comma = pattern.find(u',');
    if (matchOne(pattern.substr(0, comma), s)) return true;
    if (comma == text::u16view::npos) return false;
    pattern.remove_prefix(comma + 1);
  }
}

SelectionFilter::SelectionFilter(const Variant& types, const Variant& values) {
  const Variant& t = types.deref();
  const Variant& v = values.deref();
  if (!t.isArray() || !v.isArray()) return;
  auto codes = t.toArray();
  auto texts = v.toArray();
  if (codes.size() != texts.size()) throw Failure(u"フィルタの配列の長さが一致しません");
  for (std::size_t i = 0; i < codes.size(); ++i) conditions_.push_back({codes[i].toInt(), texts[i].toText()});
}

bool SelectionFilter::admits(const Entity& e) const {
  for (const auto& [code, value] : conditions_) {
    if (code == 0 && !wildcardMatch(value, entityDxfType(e.kind))) return false;
    if (code == 8 && !wildcardMatch(value, e.layer)) return false;
  }
  return true;
}

}  // namespace surva::sim
