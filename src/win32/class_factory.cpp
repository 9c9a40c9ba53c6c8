#include "win32/class_factory.h"

#include <oleauto.h>

namespace surva::win32 {

SingletonClassFactory* SingletonClassFactory::Create(IUnknown* instance) {
  return new SingletonClassFactory(instance);
}

HRESULT SingletonClassFactory::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory)) {
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG SingletonClassFactory::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG SingletonClassFactory::Release() {
  LONG n = InterlockedDecrement(&refs_);
  if (n == 0) delete this;
  return static_cast<ULONG>(n);
}

HRESULT SingletonClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return instance_->QueryInterface(iid, out);
}

HRESULT SingletonClassFactory::LockServer(BOOL lock) {
  if (lock) CoAddRefServerProcess();
  else CoReleaseServerProcess();
  return S_OK;
}

RegisteredClassObject::RegisteredClassObject(const CLSID& clsid, IUnknown* instance) {
  ComPtr<SingletonClassFactory> factory = ComPtr<SingletonClassFactory>::adopt(SingletonClassFactory::Create(instance));
  hr_ = CoRegisterClassObject(clsid, factory.get(), CLSCTX_LOCAL_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
}

RegisteredClassObject::~RegisteredClassObject() {
  if (SUCCEEDED(hr_)) CoRevokeClassObject(cookie_);
}

RunningObject::RunningObject(const CLSID& clsid, IUnknown* instance) {
  hr_ = RegisterActiveObject(instance, clsid, ACTIVEOBJECT_STRONG, &cookie_);
}

RunningObject::~RunningObject() {
  if (SUCCEEDED(hr_)) RevokeActiveObject(cookie_, nullptr);
}

}  // namespace surva::win32
