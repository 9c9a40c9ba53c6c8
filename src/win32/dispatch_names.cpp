#include "win32/dispatch_names.h"

namespace surva::win32 {

std::uint32_t stableHash(text::u16view text) {
  std::uint32_t h = 2166136261u;
  for (char16_t unit : text) {
    h ^= unit;
    h *= 16777619u;
  }
  return h;
}

DISPID DispatchNames::idOf(text::u16view name) {
  std::lock_guard lock(mutex_);
  text::u16 key = text::upperAscii(name);
  ++total_;
  ++perName_[key];
  if (auto it = ids_.find(key); it != ids_.end()) return it->second;
  // The same name gets the same ID in every run of the server, as a real
  // server's type library gives it, so a client that keeps IDs from an
  // earlier run of the server calls what it means. 0 and the negative
  // numbers are the reserved DISPIDs.
  constexpr std::uint32_t kSlots = 0xFFFE;
  DISPID id = static_cast<DISPID>(1 + stableHash(key) % kSlots);
  while (names_.count(id)) id = static_cast<DISPID>(id % kSlots + 1);
  ids_.emplace(key, id);
  names_.emplace(id, text::u16(name));
  return id;
}

std::optional<text::u16> DispatchNames::nameOf(DISPID id) const {
  std::lock_guard lock(mutex_);
  if (auto it = names_.find(id); it != names_.end()) return it->second;
  return std::nullopt;
}

long DispatchNames::lookups() const {
  std::lock_guard lock(mutex_);
  return total_;
}

long DispatchNames::lookups(text::u16view name) const {
  std::lock_guard lock(mutex_);
  auto it = perName_.find(text::upperAscii(name));
  return it == perName_.end() ? 0 : it->second;
}

void DispatchNames::resetLookups() {
  std::lock_guard lock(mutex_);
  total_ = 0;
  perName_.clear();
}

DispatchNames& DispatchNames::shared() {
  static DispatchNames names;
  return names;
}

}  // namespace surva::win32
