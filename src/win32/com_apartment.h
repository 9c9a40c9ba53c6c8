#pragma once
// COM for the user-interface thread: a single-threaded apartment, as the
// message filter and the automation calls need.
#include <objbase.h>

#include "win32/type_dispid_cache.h"

namespace surva::win32 {

class ComApartment {
 public:
  ComApartment() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    // The shared member-ID tables hold type information of other processes.
    type_dispids::clear();
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

}  // namespace surva::win32
