#include "win32/message_filter.h"

#include "cad/message_filter_rules.h"

namespace surva::win32 {

TMessageFilter* TMessageFilter::Create() { return new TMessageFilter(); }

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

DWORD TMessageFilter::HandleInComingCall(DWORD dwCallType, HTASK, DWORD dwTickCount, LPINTERFACEINFO) {
  return cad::incomingCallAnswer(dwCallType, dwTickCount);
}

DWORD TMessageFilter::RetryRejectedCall(HTASK, DWORD dwTickCount, DWORD dwRejectType) {
  return static_cast<DWORD>(cad::retryRejectedCallAnswer(dwTickCount, dwRejectType));
}

DWORD TMessageFilter::MessagePending(HTASK, DWORD dwTickCount, DWORD dwPendingType) {
  return cad::messagePendingAnswer(dwTickCount, dwPendingType);
}

}  // namespace surva::win32
