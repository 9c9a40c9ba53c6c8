#include "platform/variant.h"

#include <cmath>
#include <limits>

#include "platform/automation.h"
#include "text/error.h"
#include "text/number.h"

namespace surva::platform {

namespace {

[[noreturn]] void mismatch() { throw Failure(u"型が一致しません"); }
[[noreturn]] void overflow() { throw Failure(u"オーバーフローしました"); }

// Automation rounds to the nearest integer with halves to even (2.5 -> 2).
std::int32_t roundToInt(double d) {
  if (std::isnan(d)) overflow();
  double r = std::nearbyint(d);  // default rounding mode: to nearest, ties to even
  if (r < double(std::numeric_limits<std::int32_t>::min()) || r > double(std::numeric_limits<std::int32_t>::max()))
    overflow();
  return static_cast<std::int32_t>(r);
}

std::optional<bool> boolWord(text::u16view s) {
  text::u16 t = text::upperAscii(text::trim(s));
  if (t == u"TRUE" || t == u"#TRUE#") return true;
  if (t == u"FALSE" || t == u"#FALSE#") return false;
  return std::nullopt;
}

}  // namespace

bool Variant::toBool() const {
  switch (kind()) {
    case Kind::Empty: return false;
    case Kind::Bool: return std::get<bool>(v_);
    case Kind::Int16: return std::get<std::int16_t>(v_) != 0;
    case Kind::Int32: return std::get<std::int32_t>(v_) != 0;
    case Kind::Double: return std::get<double>(v_) != 0;
    case Kind::Text: {
      const auto& s = std::get<text::u16>(v_);
      if (auto b = boolWord(s)) return *b;
      if (auto d = text::tryParseNumber(s)) return *d != 0;
      mismatch();
    }
    case Kind::Ref: return deref().toBool();
    default: mismatch();
  }
}

std::int32_t Variant::toInt() const {
  switch (kind()) {
    case Kind::Empty: return 0;
    case Kind::Bool: return std::get<bool>(v_) ? -1 : 0;  // VARIANT_TRUE
    case Kind::Int16: return std::get<std::int16_t>(v_);
    case Kind::Int32: return std::get<std::int32_t>(v_);
    case Kind::Double: return roundToInt(std::get<double>(v_));
    case Kind::Text: {
      const auto& s = std::get<text::u16>(v_);
      if (auto d = text::tryParseNumber(s)) return roundToInt(*d);
      if (auto b = boolWord(s)) return *b ? -1 : 0;
      mismatch();
    }
    case Kind::Ref: return deref().toInt();
    default: mismatch();
  }
}

double Variant::toDouble() const {
  switch (kind()) {
    case Kind::Empty: return 0;
    case Kind::Bool: return std::get<bool>(v_) ? -1 : 0;
    case Kind::Int16: return std::get<std::int16_t>(v_);
    case Kind::Int32: return std::get<std::int32_t>(v_);
    case Kind::Double: return std::get<double>(v_);
    case Kind::Text: {
      const auto& s = std::get<text::u16>(v_);
      if (auto d = text::tryParseNumber(s)) return *d;
      if (auto b = boolWord(s)) return *b ? -1 : 0;
      mismatch();
    }
    case Kind::Ref: return deref().toDouble();
    default: mismatch();
  }
}

text::u16 Variant::toText() const {
  switch (kind()) {
    case Kind::Empty: return {};
    case Kind::Bool: return std::get<bool>(v_) ? u"True" : u"False";
    case Kind::Int16: return text::intToText(std::get<std::int16_t>(v_));
    case Kind::Int32: return text::intToText(std::get<std::int32_t>(v_));
    case Kind::Double: return text::formatGeneral(std::get<double>(v_));
    case Kind::Text: return std::get<text::u16>(v_);
    case Kind::Ref: return deref().toText();
    default: mismatch();
  }
}

ObjectPtr Variant::toObject() const {
  ObjectPtr object = toObjectOrNull();
  if (!object) throw AutomationError(u"オブジェクトが返されませんでした");
  return object;
}

ObjectPtr Variant::toObjectOrNull() const {
  if (kind() == Kind::Object) return std::get<ObjectPtr>(v_);
  if (kind() == Kind::Ref) return deref().toObjectOrNull();
  mismatch();
}

VariantArray Variant::toArray() const {
  switch (kind()) {
    case Kind::Array: return std::get<VariantArray>(v_);
    case Kind::DoubleArray: {
      const auto& d = std::get<std::vector<double>>(v_);
      return VariantArray(d.begin(), d.end());
    }
    case Kind::Ref: return deref().toArray();
    default: mismatch();
  }
}

std::vector<double> Variant::toDoubles() const {
  switch (kind()) {
    case Kind::DoubleArray: return std::get<std::vector<double>>(v_);
    case Kind::Array: {
      std::vector<double> out;
      for (const auto& e : std::get<VariantArray>(v_)) out.push_back(e.toDouble());
      return out;
    }
    case Kind::Ref: return deref().toDoubles();
    default: mismatch();
  }
}

std::size_t Variant::arraySize() const {
  switch (kind()) {
    case Kind::Array: return std::get<VariantArray>(v_).size();
    case Kind::DoubleArray: return std::get<std::vector<double>>(v_).size();
    case Kind::Ref: return deref().arraySize();
    default: mismatch();
  }
}

const VariantRef& Variant::refCell() const {
  if (kind() != Kind::Ref) mismatch();
  return std::get<VariantRef>(v_);
}

const Variant& Variant::deref() const {
  if (kind() == Kind::Ref) {
    const auto& cell = std::get<VariantRef>(v_);
    if (cell) return *cell;
    static const Variant empty;
    return empty;
  }
  return *this;
}

bool Variant::operator==(const Variant& other) const {
  if (kind() == Kind::Ref || other.kind() == Kind::Ref) {
    const Variant& a = deref();
    const Variant& b = other.deref();
    if (a.kind() == Kind::Ref || b.kind() == Kind::Ref) return &a == &b;  // references to references
    return a == b;
  }
  return v_ == other.v_;
}

}  // namespace surva::platform
