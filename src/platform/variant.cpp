#include "platform/variant.h"

#include <cmath>
#include <limits>
#include <string>

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

double currencyValue(Currency c) { return double(c.scaled) / 10000.0; }

// Days since 1970-01-01 to year, month, day (proleptic Gregorian).
void civilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = doy - (153 * mp + 2) / 5 + 1;
  m = mp < 10 ? mp + 3 : mp - 9;
  y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

text::u16 twoDigits(unsigned n) {
  return {static_cast<char16_t>(u'0' + n / 10 % 10), static_cast<char16_t>(u'0' + n % 10)};
}

// As a Japanese system writes a date: "2024/02/21", "2024/02/21 9:05:00",
// and a time without a day as "9:05:00". Before 1899-12-30 the fraction
// still counts forward from midnight.
text::u16 dateText(double serial) {
  if (!std::isfinite(serial) || std::fabs(serial) > 3e6) overflow();
  double dayPart = std::trunc(serial);
  long long seconds = std::llround(std::fabs(serial - dayPart) * 86400.0);
  long long days = static_cast<long long>(dayPart);
  if (seconds >= 86400) {
    seconds -= 86400;
    days += serial < 0 ? -1 : 1;
  }
  text::u16 time = text::intToText(seconds / 3600) + u":" + twoDigits(unsigned(seconds / 60 % 60)) + u":" +
                   twoDigits(unsigned(seconds % 60));
  if (days == 0 && serial >= 0) return time;
  long long y = 0;
  unsigned m = 0, d = 0;
  civilFromDays(days - 25569, y, m, d);  // 1899-12-30 is 25569 days before 1970-01-01
  text::u16 date = text::intToText(y) + u"/" + twoDigits(m) + u"/" + twoDigits(d);
  return seconds == 0 ? date : date + u" " + time;
}

// The exact decimal of a currency amount: "1234.5", "-0.0001".
text::u16 currencyText(Currency c) {
  bool negative = c.scaled < 0;
  unsigned long long v = negative ? 0ULL - static_cast<unsigned long long>(c.scaled) : c.scaled;
  std::string fraction = std::to_string(v % 10000);
  fraction.insert(0, 4 - fraction.size(), '0');
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  std::string out(negative ? 1 : 0, '-');
  out += std::to_string(v / 10000);
  if (!fraction.empty()) {
    out += '.';
    out += fraction;
  }
  return text::ascii(out);
}

}  // namespace

bool Variant::toBool() const {
  switch (kind()) {
    case Kind::Empty: return false;
    case Kind::Bool: return std::get<bool>(v_);
    case Kind::Int16: return std::get<std::int16_t>(v_) != 0;
    case Kind::Int32: return std::get<std::int32_t>(v_) != 0;
    case Kind::Double: return std::get<double>(v_) != 0;
    case Kind::Date: return std::get<Date>(v_).serial != 0;
    case Kind::Currency: return std::get<Currency>(v_).scaled != 0;
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
    case Kind::Date: return roundToInt(std::get<Date>(v_).serial);
    case Kind::Currency: return roundToInt(currencyValue(std::get<Currency>(v_)));
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
    case Kind::Date: return std::get<Date>(v_).serial;
    case Kind::Currency: return currencyValue(std::get<Currency>(v_));
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
    case Kind::Date: return dateText(std::get<Date>(v_).serial);
    case Kind::Currency: return currencyText(std::get<Currency>(v_));
    case Kind::Ref: return deref().toText();
    default: mismatch();
  }
}

std::int32_t Variant::errorCode() const {
  if (kind() == Kind::Error) return std::get<ErrorValue>(v_).code;
  if (kind() == Kind::Ref) return deref().errorCode();
  mismatch();
}

Currency Variant::currency() const {
  if (kind() == Kind::Currency) return std::get<Currency>(v_);
  if (kind() == Kind::Ref) return deref().currency();
  mismatch();
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

const VariantTable& Variant::table() const {
  if (kind() == Kind::Ref) return deref().table();
  if (kind() != Kind::Table) mismatch();
  return std::get<VariantTable>(v_);
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
