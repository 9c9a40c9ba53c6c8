#include "win32/busy_message_filter.h"

namespace surva::win32 {

BusyMessageFilter* BusyMessageFilter::Create() { return new BusyMessageFilter(); }

void BusyMessageFilter::beBusyFor(DWORD milliseconds) { busyUntil_ = GetTickCount64() + milliseconds; }

bool BusyMessageFilter::busy() const { return GetTickCount64() < busyUntil_; }

HRESULT BusyMessageFilter::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IMessageFilter)) {
    *out = static_cast<IMessageFilter*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

ULONG BusyMessageFilter::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&refs_)); }

ULONG BusyMessageFilter::Release() {
  LONG n = InterlockedDecrement(&refs_);
  if (n == 0) delete this;
  return static_cast<ULONG>(n);
}

DWORD BusyMessageFilter::HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) {
  if (!busy()) return SERVERCALL_ISHANDLED;
  ++rejected_;
  return SERVERCALL_RETRYLATER;
}

DWORD BusyMessageFilter::RetryRejectedCall(HTASK, DWORD, DWORD) { return static_cast<DWORD>(-1); }

DWORD BusyMessageFilter::MessagePending(HTASK, DWORD, DWORD) { return PENDINGMSG_WAITDEFPROCESS; }

}  // namespace surva::win32
