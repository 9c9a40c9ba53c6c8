#include "win32/dispatch_adapter.h"

#include <mutex>
#include <unordered_set>
#include <vector>

#include "text/error.h"
#include "win32/dispatch_type_info.h"
#include "win32/variant_convert.h"
#include "win32/wide.h"

namespace surva::win32 {

using platform::Variant;
using platform::VariantArray;

namespace {

std::mutex liveMutex;
std::unordered_set<const IUnknown*>& live() {
  static std::unordered_set<const IUnknown*> adapters;
  return adapters;
}

std::function<void()>& afterInvoke() {
  static std::function<void()> hook;
  return hook;
}

// Arguments of an incoming call; by-reference VARIANTs become Variant refs
// whose cells are copied back when the call returns.
struct IncomingArgs {
  VariantArray values;
  std::vector<std::pair<VARIANT*, platform::VariantRef>> refs;

  IncomingArgs(const DISPPARAMS& params, UINT positional) {
    // rgvarg holds the arguments last first; a put's value comes first.
    UINT first = params.cArgs - positional;
    for (UINT i = params.cArgs; i-- > first;) {
      const VARIANT& arg = params.rgvarg[i];
      if (arg.vt == (VT_BYREF | VT_VARIANT) && arg.pvarVal) {
        auto cell = std::make_shared<Variant>(fromVariant(*arg.pvarVal));
        refs.emplace_back(arg.pvarVal, cell);
        values.emplace_back(cell);
      } else {
        values.push_back(fromVariant(arg));
      }
    }
  }

  void writeBack() {
    for (auto& [target, cell] : refs) {
      VariantHolder converted;
      toVariant(*cell, &converted.v);
      VariantClear(target);
      *target = converted.v;
      VariantInit(&converted.v);  // ownership moved into the caller's VARIANT
    }
  }
};

HRESULT raise(EXCEPINFO* exception, const text::u16& message, HRESULT code) {
  if (code >= 0) code = E_FAIL;
  if (exception) {
    *exception = EXCEPINFO{};
    exception->bstrDescription = toBstr(message);
    exception->scode = code;
  }
  return DISP_E_EXCEPTION;
}

}  // namespace

DispatchAdapter::DispatchAdapter(platform::ObjectPtr object, DispatchNames& names)
    : object_(std::move(object)), names_(names) {
  std::lock_guard lock(liveMutex);
  live().insert(static_cast<IUnknown*>(this));
}

DispatchAdapter::~DispatchAdapter() {
  std::lock_guard lock(liveMutex);
  live().erase(static_cast<IUnknown*>(this));
}

IDispatch* DispatchAdapter::wrap(platform::ObjectPtr object, DispatchNames& names) {
  return new DispatchAdapter(std::move(object), names);
}

platform::ObjectPtr DispatchAdapter::unwrap(IUnknown* unknown) {
  std::lock_guard lock(liveMutex);
  if (!live().count(unknown)) return nullptr;
  return static_cast<DispatchAdapter*>(unknown)->object_;
}

void DispatchAdapter::setAfterInvoke(std::function<void()> hook) { afterInvoke() = std::move(hook); }

HRESULT DispatchAdapter::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IDispatch)) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG DispatchAdapter::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG DispatchAdapter::Release() {
  LONG n = InterlockedDecrement(&refs_);
  if (n == 0) delete this;
  return static_cast<ULONG>(n);
}

HRESULT DispatchAdapter::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = object_->typeName().empty() ? 0 : 1;
  return S_OK;
}

HRESULT DispatchAdapter::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  ++dispatch_types::typeInfoRequests();
  const text::u16 type = object_->typeName();
  if (index != 0 || type.empty()) return DISP_E_BADINDEX;
  *info = dispatch_types::typeInfoOf(type);
  return S_OK;
}

HRESULT DispatchAdapter::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  ids[0] = dispatch_types::firstIdOf(object_->typeName()) + names_.idOf(fromWideZ(names[0]));
  // Named arguments are not supported.
  if (count == 1) return S_OK;
  for (UINT i = 1; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  return DISP_E_UNKNOWNNAME;
}

HRESULT DispatchAdapter::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                EXCEPINFO* exception, UINT* argError) {
  if (result) VariantInit(result);
  // An ID handed out for another type names nothing here.
  const DISPID first = dispatch_types::firstIdOf(object_->typeName());
  if (id < first || id >= first + dispatch_types::kIdsPerType) return DISP_E_MEMBERNOTFOUND;
  auto member = names_.nameOf(id - first);
  if (!member) return DISP_E_MEMBERNOTFOUND;
  DISPPARAMS none{};
  if (!params) params = &none;
  bool isPut = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
  if (isPut) {
    if (params->cArgs != 1 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT) {
      return DISP_E_BADPARAMCOUNT;
    }
  } else if (params->cNamedArgs) {
    return DISP_E_NONAMEDARGS;
  }
  HRESULT hr = S_OK;
  try {
    IncomingArgs args(*params, isPut ? params->cArgs : params->cArgs - params->cNamedArgs);
    Variant value;
    if (isPut) {
      object_->put(*member, args.values.at(0));
    } else if (flags & DISPATCH_METHOD) {
      value = object_->call(*member, args.values);
    } else {
      value = object_->get(*member, args.values);
    }
    args.writeBack();
    if (result) toVariant(value, result);
  } catch (const std::exception& e) {
    if (result) VariantClear(result);
    auto* failure = dynamic_cast<const platform::AutomationError*>(&e);
    hr = raise(exception, messageOf(e), failure ? failure->code() : E_FAIL);
  }
  if (argError) *argError = 0;
  if (afterInvoke()) afterInvoke()();
  return hr;
}

}  // namespace surva::win32
