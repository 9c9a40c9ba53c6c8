#include "win32/message_filter.h"

#include "cad/message_filter_answers.h"

namespace surva::win32 {

TMessageFilter* TMessageFilter::Create(DWORD busyLimitMs) { return new TMessageFilter(busyLimitMs); }

TMessageFilter::~TMessageFilter() {
  if (FOldFilter) FOldFilter->Release();
}

bool TMessageFilter::RegisterFilter() {
  if (registered_) return true;
  IMessageFilter* previous = nullptr;
  if (FAILED(CoRegisterMessageFilter(this, &previous))) return false;
  FOldFilter = previous;
  registered_ = true;
  return true;
}

void TMessageFilter::RevokeFilter() {
  if (!registered_) return;
  IMessageFilter* handedBack = nullptr;
  CoRegisterMessageFilter(FOldFilter, &handedBack);
  registered_ = false;
  if (handedBack) handedBack->Release();
  // COM holds its own reference to the filter put back.
  if (FOldFilter) {
    FOldFilter->Release();
    FOldFilter = nullptr;
  }
}

HRESULT TMessageFilter::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
    *out = static_cast<IMessageFilter*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG TMessageFilter::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG TMessageFilter::Release() {
  LONG n = InterlockedDecrement(&refs_);
  if (n == 0) delete this;
  return static_cast<ULONG>(n);
}

DWORD TMessageFilter::HandleInComingCall(DWORD dwCallType, HTASK htaskCaller, DWORD dwTickCount, LPINTERFACEINFO) {
  return cad::HandleInComingCall(dwCallType, reinterpret_cast<std::uintptr_t>(htaskCaller), dwTickCount);
}

DWORD TMessageFilter::RetryRejectedCall(HTASK htaskCallee, DWORD dwTickCount, DWORD dwRejectType) {
  return static_cast<DWORD>(
      cad::RetryRejectedCall(reinterpret_cast<std::uintptr_t>(htaskCallee), dwTickCount, dwRejectType, busyLimitMs_));
}

DWORD TMessageFilter::MessagePending(HTASK htaskCallee, DWORD dwTickCount, DWORD dwPendingType) {
  return cad::MessagePending(reinterpret_cast<std::uintptr_t>(htaskCallee), dwTickCount, dwPendingType);
}

}  // namespace surva::win32
