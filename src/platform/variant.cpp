#include "platform/variant.h"

#include <cmath>
#include <limits>

#include "text/error.h"
#include "text/number.h"

namespace surva::platform {

namespace {

[[noreturn]] void typeMismatch() { throw Failure(u"型が一致しません"); }
[[noreturn]] void overflow() { throw Failure(u"オーバーフローしました"); }

// Text as automation reads it into a number: a decimal number, or the words
// True/False.
double numberFromText(const text::u16& s) {
  if (auto d = text::tryParseNumber(s)) return *d;
  auto t = text::trim(s);
  if (text::equalsIgnoreAsciiCase(t, u"True")) return -1;
  if (text::equalsIgnoreAsciiCase(t, u"False")) return 0;
  typeMismatch();
}

// Automation rounds to the nearest integer, ties to even.
std::int32_t roundToInt(double d) {
  if (!std::isfinite(d)) overflow();
  double r = std::nearbyint(d);  // the default rounding mode rounds ties to even
  if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max()) overflow();
  return static_cast<std::int32_t>(r);
}

}  // namespace

const Variant& Variant::deref() const {
  if (kind() == Kind::Ref) return *std::get<VariantRef>(v_);
  return *this;
}

const VariantRef& Variant::refCell() const {
  if (kind() != Kind::Ref) typeMismatch();
  return std::get<VariantRef>(v_);
}

double Variant::toDouble() const {
  const Variant& v = deref();
  switch (v.kind()) {
    case Kind::Empty: return 0;
    case Kind::Bool: return std::get<bool>(v.v_) ? -1 : 0;
    case Kind::Int16: return std::get<std::int16_t>(v.v_);
    case Kind::Int32: return std::get<std::int32_t>(v.v_);
    case Kind::Double: return std::get<double>(v.v_);
    case Kind::Text: return numberFromText(std::get<text::u16>(v.v_));
    default: typeMismatch();
  }
}

std::int32_t Variant::toInt() const {
  const Variant& v = deref();
  switch (v.kind()) {
    case Kind::Int16: return std::get<std::int16_t>(v.v_);
    case Kind::Int32: return std::get<std::int32_t>(v.v_);
    default: return roundToInt(v.toDouble());
  }
}

bool Variant::toBool() const {
  const Variant& v = deref();
  if (v.kind() == Kind::Bool) return std::get<bool>(v.v_);
  return v.toDouble() != 0;
}

text::u16 Variant::toText() const {
  const Variant& v = deref();
  switch (v.kind()) {
    case Kind::Empty: return {};
    case Kind::Bool: return std::get<bool>(v.v_) ? u"True" : u"False";
    case Kind::Int16: return text::intToText(std::get<std::int16_t>(v.v_));
    case Kind::Int32: return text::intToText(std::get<std::int32_t>(v.v_));
    case Kind::Double: return text::formatGeneral(std::get<double>(v.v_));
    case Kind::Text: return std::get<text::u16>(v.v_);
    default: typeMismatch();
  }
}

ObjectPtr Variant::toObject() const {
  const Variant& v = deref();
  if (v.kind() != Kind::Object) typeMismatch();
  return std::get<ObjectPtr>(v.v_);
}

VariantArray Variant::toArray() const {
  const Variant& v = deref();
  if (v.kind() == Kind::Array) return std::get<VariantArray>(v.v_);
  if (v.kind() == Kind::DoubleArray) {
    const auto& d = std::get<std::vector<double>>(v.v_);
    return VariantArray(d.begin(), d.end());
  }
  typeMismatch();
}

std::vector<double> Variant::toDoubles() const {
  const Variant& v = deref();
  if (v.kind() == Kind::DoubleArray) return std::get<std::vector<double>>(v.v_);
  if (v.kind() == Kind::Array) {
    std::vector<double> out;
    for (const auto& e : std::get<VariantArray>(v.v_)) out.push_back(e.toDouble());
    return out;
  }
  typeMismatch();
}

std::size_t Variant::arraySize() const {
  const Variant& v = deref();
  if (v.kind() == Kind::Array) return std::get<VariantArray>(v.v_).size();
  if (v.kind() == Kind::DoubleArray) return std::get<std::vector<double>>(v.v_).size();
  typeMismatch();
}

bool Variant::operator==(const Variant& other) const { return v_ == other.v_; }

}  // namespace surva::platform
