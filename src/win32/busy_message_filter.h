#pragma once
// A server's message filter that can play a busy program: for a while it
// answers every incoming call with SERVERCALL_RETRYLATER.
#include <windows.h>
#include <objidl.h>

namespace surva::win32 {

class BusyMessageFilter final : public IMessageFilter {
 public:
  static BusyMessageFilter* Create();  // one reference, the caller's

  // Rejects incoming calls for the next `milliseconds`.
  void beBusyFor(DWORD milliseconds);
  bool busy() const;
  // Incoming calls rejected so far.
  long rejected() const { return rejected_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD callType, HTASK caller, DWORD tickCount,
                                             LPINTERFACEINFO info) override;
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK callee, DWORD tickCount, DWORD rejectType) override;
  DWORD STDMETHODCALLTYPE MessagePending(HTASK callee, DWORD tickCount, DWORD pendingType) override;

 private:
  BusyMessageFilter() = default;
  LONG refs_ = 1;
  ULONGLONG busyUntil_ = 0;
  long rejected_ = 0;
};

}  // namespace surva::win32
