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

// A date and time as automation passes it: days since 1899-12-30, the time
// of day as the fraction.
struct Date {
  double serial = 0;
  bool operator==(const Date&) const = default;
};

// A currency amount: the value times 10,000, exact to four decimals.
struct Currency {
  std::int64_t scaled = 0;
  bool operator==(const Currency&) const = default;
};

// An error value (a spreadsheet's #DIV/0!, #N/A, ...): its status code.
struct ErrorValue {
  std::int32_t code = 0;
  bool operator==(const ErrorValue&) const = default;
};

// A two-dimensional array of values, as a spreadsheet gives and takes the
// values of a range of cells: `rows` x `cols`, row by row. Automation passes
// it with lower bounds 1 in both dimensions.
struct VariantTable {
  std::int32_t rows = 0;
  std::int32_t cols = 0;
  std::vector<Variant> cells;  // rows * cols, row r (0-based) at r * cols

  VariantTable() = default;
  VariantTable(std::int32_t r, std::int32_t c);
  // Row r, column c, both 0-based.
  Variant& at(std::int32_t r, std::int32_t c);
  const Variant& at(std::int32_t r, std::int32_t c) const;
  bool operator==(const VariantTable&) const;
};

class Variant {
 public:
  enum class Kind {
    Empty, Null, Bool, Int16, Int32, Double, Text, Array, DoubleArray, Object, Ref, Date, Currency, Error, Table
  };

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
  Variant(Date d) : v_(d) {}
  Variant(Currency c) : v_(c) {}
  Variant(ErrorValue e) : v_(e) {}
  Variant(VariantTable t) : v_(std::move(t)) {}

  static Variant point(double x, double y, double z) { return Variant(std::vector<double>{x, y, z}); }
  static Variant ref(Variant initial = {}) { return Variant(std::make_shared<Variant>(std::move(initial))); }

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool isEmpty() const { return kind() == Kind::Empty; }
  bool isNull() const { return kind() == Kind::Null; }
  bool isObject() const { return kind() == Kind::Object; }
  bool isArray() const { return kind() == Kind::Array || kind() == Kind::DoubleArray; }
  bool isRef() const { return kind() == Kind::Ref; }
  // For Kind::Error: the status code; throws for any other kind.
  std::int32_t errorCode() const;
  // For Kind::Currency: the amount itself; throws for any other kind.
  Currency currency() const;

  // Conversions as automation coerces: numbers, dates, currency and bools
  // convert to each other, text converts to a number when it is one;
  // anything else (an error value too) throws Failure ("型が一致しません").
  // A date as text is "2024/02/21", "2024/02/21 13:05:00" or, without a
  // day, "13:05:00"; currency as text is its exact decimal ("1234.5").
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
  // For Kind::Table (looking through a reference); throws for any other kind.
  const VariantTable& table() const;

  // For Kind::Ref: the referenced cell (never null for a Ref).
  const VariantRef& refCell() const;
  // The value itself, looking through one reference.
  const Variant& deref() const;

  bool operator==(const Variant& other) const;

 private:
  std::variant<std::monostate, Null, bool, std::int16_t, std::int32_t, double, text::u16, VariantArray,
               std::vector<double>, ObjectPtr, VariantRef, Date, Currency, ErrorValue, VariantTable>
      v_;
};

inline VariantTable::VariantTable(std::int32_t r, std::int32_t c)
    : rows(r), cols(c), cells(static_cast<std::size_t>(r) * static_cast<std::size_t>(c)) {}
inline Variant& VariantTable::at(std::int32_t r, std::int32_t c) {
  return cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)];
}
inline const Variant& VariantTable::at(std::int32_t r, std::int32_t c) const {
  return cells[static_cast<std::size_t>(r) * static_cast<std::size_t>(cols) + static_cast<std::size_t>(c)];
}
inline bool VariantTable::operator==(const VariantTable& o) const {
  return rows == o.rows && cols == o.cols && cells == o.cells;
}

}  // namespace surva::platform
