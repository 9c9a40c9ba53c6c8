#pragma once
// Values passed to and from late-bound automation members: the subset of
// VARIANT the program needs.
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

#include "text/u16.h"

namespace surva::platform {

class Object;
using ObjectPtr = std::shared_ptr<Object>;
class Variant;
using VariantArray = std::vector<Variant>;
// A by-reference argument: the callee writes through the shared cell.
using VariantRef = std::shared_ptr<Variant>;

struct Null {
  bool operator==(const Null&) const = default;
};

class Variant {
 public:
  enum class Kind { Empty, Null, Bool, Int16, Int32, Double, Text, Array, DoubleArray, Object, Ref };

  Variant() = default;
  Variant(Null) : v_(Null{}) {}
  Variant(bool b) : v_(b) {}
  Variant(std::int16_t i) : v_(i) {}
  Variant(std::int32_t i) : v_(i) {}
  Variant(double d) : v_(d) {}
  Variant(text::u16 s) : v_(std::move(s)) {}
  Variant(const char16_t* s) : v_(text::u16(s)) {}
  Variant(VariantArray a) : v_(std::move(a)) {}
  Variant(std::vector<double> a) : v_(std::move(a)) {}
  Variant(ObjectPtr o) : v_(std::move(o)) {}
  Variant(VariantRef r) : v_(std::move(r)) {}

  static Variant point(double x, double y, double z) { return Variant(std::vector<double>{x, y, z}); }
  static Variant ref(Variant initial = {}) { return Variant(std::make_shared<Variant>(std::move(initial))); }

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool isEmpty() const { return kind() == Kind::Empty; }
  bool isNull() const { return kind() == Kind::Null; }
  bool isObject() const { return kind() == Kind::Object; }
  bool isArray() const { return kind() == Kind::Array || kind() == Kind::DoubleArray; }
  bool isRef() const { return kind() == Kind::Ref; }

  // Conversions as automation coerces: numbers and bools convert to each
  // other, text converts to a number when it is one; anything else throws
  // Failure ("型が一致しません").
  bool toBool() const;
  std::int32_t toInt() const;
  double toDouble() const;
  text::u16 toText() const;
  // The object a member returned. An automation read that must return an
  // object and returns nothing (a drawing closed under the command, say)
  // throws here, so no caller can trip over a null reference.
  ObjectPtr toObject() const;
  // The same, but a null object comes back as nullptr (for the few places
  // where "nothing" is an answer, and for passing values through).
  ObjectPtr toObjectOrNull() const;
  // Elements of either array kind, as variants / doubles.
  VariantArray toArray() const;
  std::vector<double> toDoubles() const;
  std::size_t arraySize() const;

  // For Kind::Ref: the referenced cell (never null for a Ref).
  const VariantRef& refCell() const;
  // The value itself, looking through one reference.
  const Variant& deref() const;

  bool operator==(const Variant& other) const;

 private:
  std::variant<std::monostate, Null, bool, std::int16_t, std::int32_t, double, text::u16, VariantArray,
               std::vector<double>, ObjectPtr, VariantRef>
      v_;
};

}  // namespace surva::platform
