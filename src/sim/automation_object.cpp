#include "sim/automation_object.h"

namespace surva::sim {

using platform::AutomationError;
using platform::Variant;
using platform::VariantArray;

Variant AutomationObject::dispatch(Access access, text::u16view member, const VariantArray& args) {
  admit(access, member, args);
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

Variant AutomationObject::get(text::u16view member, const VariantArray& args) {
  return dispatch(Access::Get, member, args);
}

void AutomationObject::put(text::u16view member, const Variant& value) { dispatch(Access::Put, member, {value}); }

Variant AutomationObject::call(text::u16view member, const VariantArray& args) {
  return dispatch(Access::Call, member, args);
}

void AutomationObject::assign(const text::u16&, const Variant&) { unknownMember(); }

void unknownMember() { throw AutomationError(u"不明な名前です。", hr::kUnknownName); }

}  // namespace surva::sim
