#pragma once
// A class factory that hands out one existing object: a stand-in server
// has a single application object, whoever asks.
#include <windows.h>
#include <unknwn.h>

#include "win32/com_ptr.h"

namespace surva::win32 {

class SingletonClassFactory final : public IClassFactory {
 public:
  // A new factory holding one reference (the caller's).
  static SingletonClassFactory* Create(IUnknown* instance);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  explicit SingletonClassFactory(IUnknown* instance) : instance_(ComPtr<IUnknown>::share(instance)) {}
  ComPtr<IUnknown> instance_;
  LONG refs_ = 1;
};

// The factory registered with CoRegisterClassObject for the life of the
// holder.
class RegisteredClassObject {
 public:
  RegisteredClassObject(const CLSID& clsid, IUnknown* instance);
  ~RegisteredClassObject();
  RegisteredClassObject(const RegisteredClassObject&) = delete;
  RegisteredClassObject& operator=(const RegisteredClassObject&) = delete;
  HRESULT result() const { return hr_; }

 private:
  DWORD cookie_ = 0;
  HRESULT hr_;
};

// An object in the running object table (ACTIVEOBJECT_STRONG) for the
// life of the holder, where GetActiveObject finds it.
class RunningObject {
 public:
  RunningObject(const CLSID& clsid, IUnknown* instance);
  ~RunningObject();
  RunningObject(const RunningObject&) = delete;
  RunningObject& operator=(const RunningObject&) = delete;
  HRESULT result() const { return hr_; }

 private:
  DWORD cookie_ = 0;
  HRESULT hr_;
};

}  // namespace surva::win32
