#pragma once
// The temporary selection set "ssTemp" that the harvest commands fill and
// delete when they end.
#include "platform/automation.h"

namespace surva::cad {

inline constexpr char16_t kTempSelectionSetName[] = u"ssTemp";

// The existing "ssTemp" emptied, or a new one.
platform::ObjectPtr GetTempSelectionSet(platform::Object& document);

}  // namespace surva::cad
