#pragma once
// The DISPIDs a server hands out for member names: one per name without
// regard to case, stable for the life of the process, and a count of the
// GetIDsOfNames calls that asked for them.
#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>

#include "text/u16.h"

namespace surva::win32 {

// FNV-1a over the UTF-16 code units: the same number for the same text in
// every process, from which the servers derive their IDs.
std::uint32_t stableHash(text::u16view text);

class DispatchNames {
 public:
  // Counts one GetIDsOfNames request for `name`.
  DISPID idOf(text::u16view name);
  // The name as it was first asked for.
  std::optional<text::u16> nameOf(DISPID id) const;

  long lookups() const;
  // Requests for one name, without regard to case.
  long lookups(text::u16view name) const;
  void resetLookups();

  // The table every adapter of this process uses unless told otherwise.
  static DispatchNames& shared();

 private:
  mutable std::mutex mutex_;
  std::map<text::u16, DISPID> ids_;  // key: the name upper-cased
  std::map<DISPID, text::u16> names_;
  std::map<text::u16, long> perName_;
  long total_ = 0;
};

}  // namespace surva::win32
