#include "sim/sim_object.h"

#include <cmath>

namespace surva::sim {

using platform::AutomationError;
using platform::Variant;
using platform::VariantArray;

Variant SimObject::dispatch(Access access, text::u16view member, const VariantArray& args) {
  cad_->calls().add({objectName_, text::u16(member), access, args});
  cad_->checkCall(objectName_, member);
  text::u16 upper = text::upperAscii(member);
  try {
    if (access == Access::Put) {
      assign(upper, args.at(0));
      return {};
    }
    return invoke(upper, args);
  } catch (const AutomationError&) {
    throw;
  } catch (const Failure& f) {
    // A value that did not convert.
    throw AutomationError(f.message(), hr::kTypeMismatch);
  }
}

Variant SimObject::get(text::u16view member, const VariantArray& args) { return dispatch(Access::Get, member, args); }

void SimObject::put(text::u16view member, const Variant& value) { dispatch(Access::Put, member, {value}); }

Variant SimObject::call(text::u16view member, const VariantArray& args) { return dispatch(Access::Call, member, args); }

void SimObject::assign(const text::u16&, const Variant&) { unknownMember(); }

void unknownMember() { throw AutomationError(u"不明な名前です。", hr::kUnknownName); }

void invalidArgument(text::u16 message) { throw AutomationError(std::move(message), hr::kInvalidArg); }

const Variant& arg(const VariantArray& args, std::size_t i) {
  if (i >= args.size()) throw AutomationError(u"パラメーターの数が無効です。", hr::kBadParamCount);
  return args[i].deref();
}

const Variant& optionalArg(const VariantArray& args, std::size_t i) {
  static const Variant empty;
  return i < args.size() ? args[i].deref() : empty;
}

Vec3 pointArg(const Variant& v) {
  const Variant& p = v.deref();
  if (!p.isArray()) throw AutomationError(u"型が一致しません。", hr::kTypeMismatch);
  auto d = p.toDoubles();
  if (d.size() < 2 || d.size() > 3) invalidArgument();
  return {d[0], d[1], d.size() > 2 ? d[2] : 0.0};
}

std::size_t indexArg(const Variant& v, std::size_t count) {
  double d = v.deref().toDouble();
  if (d < 0 || std::floor(d) != d || d >= double(count)) invalidArgument();
  return static_cast<std::size_t>(d);
}

}  // namespace surva::sim
