#include "cad/message_filter_answers.h"

namespace surva::cad {

std::uint32_t HandleInComingCall(std::uint32_t, std::uintptr_t, std::uint32_t) { return kServerCallIsHandled; }

std::int32_t RetryRejectedCall(std::uintptr_t, std::uint32_t tickCount, std::uint32_t rejectType,
                               std::uint32_t limitMs) {
  return rejectType == kServerCallRetryLater && tickCount < limitMs ? 1000 : -1;
}

std::uint32_t MessagePending(std::uintptr_t, std::uint32_t, std::uint32_t) { return kPendingMsgWaitNoProcess; }

}  // namespace surva::cad
