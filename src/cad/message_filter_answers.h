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
// How long a call to a CAD that stays busy is retried before the command
// gives up on it, so that the window never freezes for good.
constexpr std::uint32_t kBusyRetryLimitMs = 60000;

// A busy CAD (retry later) is asked again after 1000 ms while the call has
// waited less than `limitMs` in all (`tickCount`, counted by COM from the
// call); after that, and on any other rejection, the call is cancelled (-1)
// and fails in the command.
std::int32_t RetryRejectedCall(std::uintptr_t calleeTask, std::uint32_t tickCount, std::uint32_t rejectType,
                               std::uint32_t limitMs = kBusyRetryLimitMs);
// While a call waits, window messages wait too.
std::uint32_t MessagePending(std::uintptr_t calleeTask, std::uint32_t tickCount, std::uint32_t pendingType);

}  // namespace surva::cad
