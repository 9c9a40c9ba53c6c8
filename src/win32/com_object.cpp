#include "win32/com_object.h"

#include "win32/com_error.h"
#include "win32/invoke_args.h"
#include "win32/variant_convert.h"
#include "win32/wide.h"

namespace surva::win32 {

using platform::Variant;
using platform::VariantArray;

ComObject::ComObject(IDispatch* dispatch, bool cacheNames)
    : dispatch_(ComPtr<IDispatch>::share(dispatch)), cacheNames_(cacheNames) {}

DISPID ComObject::idOf(text::u16view member) {
  text::u16 key = text::upperAscii(member);
  if (cacheNames_ && !typeAsked_) {
    typeAsked_ = true;
    typeIds_ = type_dispids::tableOf(dispatch_.get());
  }
  DispIdTable& ids = typeIds_ ? *typeIds_ : ids_;
  if (cacheNames_) {
    if (auto it = ids.find(key); it != ids.end()) return it->second;
  }
  text::u16 name(member);
  LPOLESTR names[] = {const_cast<LPOLESTR>(wideOf(name))};
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = dispatch_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) throwComError(hr);
  if (cacheNames_) ids.emplace(std::move(key), id);
  return id;
}

Variant ComObject::invoke(text::u16view member, WORD flags, const VariantArray& args, bool put, bool mayRetry) {
  DISPID id = idOf(member);
  InvokeArgs invokeArgs(args);
  if (put) invokeArgs.asPropertyPut();
  VariantHolder result;
  EXCEPINFO info{};
  UINT argError = 0;
  HRESULT hr = dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, invokeArgs.params(),
                                 put ? nullptr : &result.v, &info, &argError);
  if (hr == DISP_E_MEMBERNOTFOUND && mayRetry && typeIds_ && cacheNames_) {
    // An ID shared by type may come from another server of the same type
    // (the CAD was started again): forget it and ask this server once.
    auto it = typeIds_->find(text::upperAscii(member));
    if (it != typeIds_->end() && it->second == id) {
      typeIds_->erase(it);
      return invoke(member, flags, args, put, false);
    }
  }
  if (FAILED(hr)) throw invokeError(hr, info);
  invokeArgs.writeBack();
  return put ? Variant() : fromVariant(result.v);
}

Variant ComObject::get(text::u16view member, const VariantArray& args) {
  // An indexed read (Item(0)) may be a method in the server's type library;
  // the combined flags let either kind answer.
  WORD flags = args.empty() ? DISPATCH_PROPERTYGET : DISPATCH_PROPERTYGET | DISPATCH_METHOD;
  return invoke(member, flags, args, false);
}

void ComObject::put(text::u16view member, const Variant& value) {
  invoke(member, DISPATCH_PROPERTYPUT, {value}, true);
}

Variant ComObject::call(text::u16view member, const VariantArray& args) {
  // As Visual Basic calls: a member that a CAD's type library declares as a
  // parameterised property answers as well as a method does.
  return invoke(member, DISPATCH_METHOD | DISPATCH_PROPERTYGET, args, false);
}

}  // namespace surva::win32
