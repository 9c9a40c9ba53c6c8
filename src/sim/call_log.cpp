#include "sim/call_log.h"

// GCC 12 at -O2 reports "literal" + std::string as an overlapping memcpy
// (a known false positive of -Wrestrict); the code is plain concatenation.
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ == 12
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

#include "text/number.h"

namespace surva::sim {

using platform::Variant;

namespace {
Variant snapshot(const Variant& v) {
  const Variant& d = v.deref();
  if (d.isObject() || d.isRef()) return Variant(platform::ObjectPtr{});
  if (d.kind() == Variant::Kind::Array) {
    platform::VariantArray a;
    for (const auto& e : d.toArray()) a.push_back(snapshot(e));
    return Variant(std::move(a));
  }
  return d;
}
}  // namespace

void CallLog::add(CallRecord r) {
  for (auto& a : r.args) a = snapshot(a);
  records_.push_back(std::move(r));
}

std::size_t CallLog::count(text::u16view member, text::u16view object) const {
  std::size_t n = 0;
  for (const auto& r : records_)
    if (text::equalsIgnoreAsciiCase(r.member, member) && (object.empty() || r.object == object)) ++n;
  return n;
}

std::vector<std::string> CallLog::names() const {
  std::vector<std::string> out;
  for (const auto& r : records_) out.push_back(text::toUtf8(r.object + u"." + r.member));
  return out;
}

std::string CallLog::text() const {
  std::string out;
  for (const auto& r : records_) {
    out += text::toUtf8(r.object + u"." + r.member);
    if (r.access == Access::Put) out += " =";
    if (!r.args.empty() || r.access == Access::Call) {
      out += r.access == Access::Put ? " " : "(";
      for (std::size_t i = 0; i < r.args.size(); ++i) out += (i ? ", " : "") + describe(r.args[i]);
      if (r.access != Access::Put) out += ")";
    }
    out += "\n";
  }
  return out;
}

std::string describe(const Variant& v) {
  using K = Variant::Kind;
  switch (v.kind()) {
    case K::Empty: return "empty";
    case K::Null: return "null";
    case K::Bool: return v.toBool() ? "true" : "false";
    case K::Int16: return text::toUtf8(text::intToText(v.toInt())) + "s";
    case K::Int32: return text::toUtf8(text::intToText(v.toInt()));
    case K::Double: return text::toUtf8(text::formatGeneral(v.toDouble()));
    case K::Text: return "\"" + text::toUtf8(v.toText()) + "\"";
    case K::DoubleArray: {
      std::string s = "(";
      auto d = v.toDoubles();
      for (std::size_t i = 0; i < d.size(); ++i) s += (i ? "," : "") + text::toUtf8(text::formatGeneral(d[i]));
      return s + ")";
    }
    case K::Array: {
      std::string s = "[";
      auto a = v.toArray();
      for (std::size_t i = 0; i < a.size(); ++i) s += (i ? ", " : "") + describe(a[i]);
      return s + "]";
    }
    case K::Object: return v.toObjectOrNull() ? "<object>" : "<nothing>";
    case K::Ref: return "&" + describe(v.deref());
    case K::Date: return "#" + text::toUtf8(v.toText()) + "#";
    case K::Currency: return text::toUtf8(v.toText()) + "@";
    case K::Error: return "error " + text::toUtf8(text::intToText(v.errorCode()));
    case K::Table: {
      // Its size only: a range's values can be thousands of cells.
      const auto& t = v.table();
      return "{" + std::to_string(t.rows) + "x" + std::to_string(t.cols) + "}";
    }
  }
  return "?";
}

}  // namespace surva::sim
