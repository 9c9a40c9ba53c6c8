#pragma once
// Any platform::Object as an IDispatch, so that a portable object model can
// be served to other processes. Invoke maps a property put to put, a
// property get (alone or with the method flag) to get, a plain method call
// to call; errors reach the caller as DISP_E_EXCEPTION with the message in
// the EXCEPINFO.
#include <windows.h>
#include <oleauto.h>

#include <functional>

#include "platform/automation.h"
#include "win32/dispatch_names.h"

namespace surva::win32 {

class DispatchAdapter final : public IDispatch {
 public:
  // A new adapter holding one reference (the caller's).
  static IDispatch* wrap(platform::ObjectPtr object, DispatchNames& names = DispatchNames::shared());
  // The object behind one of this process's adapters; null for any other
  // interface (no call is made, so proxies cost nothing here).
  static platform::ObjectPtr unwrap(IUnknown* unknown);
  // Runs after every Invoke (the stand-in CAD refreshes its window).
  static void setAfterInvoke(std::function<void()> hook);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argError) override;

 private:
  DispatchAdapter(platform::ObjectPtr object, DispatchNames& names);
  ~DispatchAdapter();

  platform::ObjectPtr object_;
  DispatchNames& names_;
  LONG refs_ = 1;
};

}  // namespace surva::win32
