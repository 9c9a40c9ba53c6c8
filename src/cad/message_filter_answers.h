#pragma once
// What the program's OLE message filter answers, as plain functions; the
// COM object that returns them lives in the Windows backend.
#include <cstdint>

namespace surva::cad {

constexpr std::uint32_t kServerCallIsHandled = 0;     // SERVERCALL_ISHANDLED
constexpr std::uint32_t kServerCallRetryLater = 2;    // SERVERCALL_RETRYLATER
constexpr std::uint32_t kPendingMsgWaitNoProcess = 1;  // PENDINGMSG_WAITNOPROCESS

// Incoming calls are always accepted.
std::uint32_t HandleInComingCall(std::uint32_t callType, std::uintptr_t callerTask, std::uint32_t tickCount);
// A busy CAD (retry later) is asked again after 1000 ms; any other rejection
// cancels the call (-1).
std::int32_t RetryRejectedCall(std::uintptr_t calleeTask, std::uint32_t tickCount, std::uint32_t rejectType);
// While a call waits, window messages wait too.
std::uint32_t MessagePending(std::uintptr_t calleeTask, std::uint32_t tickCount, std::uint32_t pendingType);

}  // namespace surva::cad
