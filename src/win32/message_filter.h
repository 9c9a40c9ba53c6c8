#pragma once
// The OLE message filter of the CAD link, registered for the whole run: it
// accepts every incoming call, asks COM to retry a call CAD rejects as busy
// (for a bounded time),
// and keeps window messages waiting while an outgoing call is pending.
#include <windows.h>
#include <objidl.h>

#include "cad/message_filter_answers.h"

namespace surva::win32 {

class TMessageFilter final : public IMessageFilter {
 public:
  // A new filter with one reference, the creator's; FOldFilter empty. A
  // busy CAD's call is given up after `busyLimitMs` (shorter in tests).
  static TMessageFilter* Create(DWORD busyLimitMs = cad::kBusyRetryLimitMs);

  // Registers this filter, receiving the previous one into FOldFilter.
  // False when COM refuses (no single-threaded apartment on this thread).
  bool RegisterFilter();
  // Registers FOldFilter again and releases the filter handed back (this
  // one). Nothing happens when the filter is not registered.
  void RevokeFilter();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD dwCallType, HTASK htaskCaller, DWORD dwTickCount,
                                             LPINTERFACEINFO lpInterfaceInfo) override;
  DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK htaskCallee, DWORD dwTickCount, DWORD dwRejectType) override;
  DWORD STDMETHODCALLTYPE MessagePending(HTASK htaskCallee, DWORD dwTickCount, DWORD dwPendingType) override;

  // The filter registered before this one (null when there was none).
  IMessageFilter* FOldFilter = nullptr;

 private:
  explicit TMessageFilter(DWORD busyLimitMs) : busyLimitMs_(busyLimitMs) {}
  ~TMessageFilter();

  DWORD busyLimitMs_;
  LONG refs_ = 1;
  bool registered_ = false;
};

}  // namespace surva::win32
