#include "win32/dispatch_names.h"

namespace surva::win32 {

DISPID DispatchNames::idOf(text::u16view name) {
  std::lock_guard lock(mutex_);
  text::u16 key = text::upperAscii(name);
  ++total_;
  ++perName_[key];
  if (auto it = ids_.find(key); it != ids_.end()) return it->second;
  // 0 and the negative numbers are the reserved DISPIDs.
  DISPID id = static_cast<DISPID>(ids_.size()) + 1;
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
