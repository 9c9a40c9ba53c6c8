#include "sim/sim_object.h"

#include <cmath>

namespace surva::sim {

using platform::AutomationError;
using platform::Variant;
using platform::VariantArray;

void SimObject::admit(Access access, text::u16view member, const VariantArray& args) {
  cad_->calls().add({objectName(), text::u16(member), access, args});
  cad_->checkCall(objectName(), member);
}

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
