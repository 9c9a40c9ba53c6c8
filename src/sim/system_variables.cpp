#include "sim/system_variables.h"

#include "platform/automation.h"

namespace surva::sim {

using platform::Variant;

namespace {
constexpr std::int32_t kInvalidArg = static_cast<std::int32_t>(0x80070057);

bool isReadOnly(const text::u16& upper) {
  return upper == u"VIEWSIZE" || upper == u"VIEWCTR" || upper == u"UCSXDIR" || upper == u"UCSYDIR" ||
         upper == u"UCSORG";
}
bool isPointVariable(const text::u16& upper) {
  return upper == u"LASTPOINT" || upper == u"VIEWCTR" || upper == u"UCSXDIR" || upper == u"UCSYDIR" ||
         upper == u"UCSORG";
}
}  // namespace

SystemVariables::SystemVariables() {
  values_[u"DIMSCALE"] = Variant(1.0);
  values_[u"VIEWSIZE"] = Variant(100.0);
  values_[u"SNAPMODE"] = Variant(std::int16_t(0));
  values_[u"UCSXDIR"] = Variant::point(1, 0, 0);
  values_[u"UCSYDIR"] = Variant::point(0, 1, 0);
  values_[u"UCSORG"] = Variant::point(0, 0, 0);
  values_[u"LASTPOINT"] = Variant::point(0, 0, 0);
  values_[u"VIEWCTR"] = Variant::point(0, 0, 0);
  values_[u"CLAYER"] = Variant(u"0");
  values_[u"APERTURE"] = Variant(std::int16_t(10));
}

std::optional<Variant> SystemVariables::get(text::u16view name) const {
  auto it = values_.find(text::upperAscii(name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void SystemVariables::set(text::u16view name, const Variant& given) {
  const Variant& value = given.deref();
  text::u16 key = text::upperAscii(name);
  if (!values_.count(key)) throw platform::AutomationError(u"システム変数名が無効です。", kInvalidArg);
  if (isReadOnly(key)) throw platform::AutomationError(u"システム変数は読み込み専用です。", kInvalidArg);
  if (key == u"SNAPMODE") {
    bool accepted = value.kind() == Variant::Kind::Int16 ||
                    (value.kind() == Variant::Kind::Int32 && (!snapModeRefusesInt32 || value.toInt() == 0));
    if (!accepted) throw platform::AutomationError(u"システム変数の値が無効です。", kInvalidArg);
    int v = value.toInt();
    if (v != 0 && v != 1) throw platform::AutomationError(u"システム変数の値が無効です。", kInvalidArg);
    values_[key] = Variant(std::int16_t(v));
    return;
  }
  if (isPointVariable(key)) {
    if (!value.isArray() || value.arraySize() < 2 || value.arraySize() > 3)
      throw platform::AutomationError(u"システム変数の値が無効です。", kInvalidArg);
    auto d = value.toDoubles();
    values_[key] = Variant::point(d[0], d[1], d.size() > 2 ? d[2] : 0.0);
    return;
  }
  const Variant& old = values_[key];
  try {
    if (old.kind() == Variant::Kind::Double) values_[key] = Variant(value.toDouble());
    else if (old.kind() == Variant::Kind::Text) values_[key] = Variant(value.toText());
    else values_[key] = Variant(std::int16_t(value.toInt()));
  } catch (const Failure&) {
    throw platform::AutomationError(u"システム変数の値が無効です。", kInvalidArg);
  }
}

void SystemVariables::setRaw(text::u16view name, Variant value) { values_[text::upperAscii(name)] = std::move(value); }

Vec3 SystemVariables::point(text::u16view name) const {
  auto v = get(name);
  if (!v || !v->isArray()) return {};
  auto d = v->toDoubles();
  d.resize(3, 0.0);
  return {d[0], d[1], d[2]};
}

double SystemVariables::number(text::u16view name) const {
  auto v = get(name);
  return v ? v->toDouble() : 0.0;
}

}  // namespace surva::sim
