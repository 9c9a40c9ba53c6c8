#pragma once
// Placeholder until the CAD link's own rules land.
#include <cstdint>
namespace surva::cad {
inline std::uint32_t incomingCallAnswer(std::uint32_t, std::uint32_t) { return 0; }
inline std::int32_t retryRejectedCallAnswer(std::uint32_t, std::uint32_t rejectType) { return rejectType == 2 ? 1000 : -1; }
inline std::uint32_t messagePendingAnswer(std::uint32_t, std::uint32_t) { return 1; }
}  // namespace surva::cad
