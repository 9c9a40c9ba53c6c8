#pragma once
// Waiting until CAD is idle, by its own state object.
#include "platform/automation.h"
#include "platform/window_api.h"

namespace surva::cad {

// The application member that gives the state object for a ProgID:
// "GetGcadState" for GstarCAD before version 24, "GetZcadState" for ZWCAD,
// "GetAcadState" otherwise.
text::u16 CadStateMember(text::u16view progId);

// Sleeps `milliseconds`, then polls the state's IsQuiescent, sleeping that
// long between polls, until CAD is idle. A failing call ends the wait by
// reaching the caller.
void WaitCadQuiescent(platform::Clock& clock, text::u16view progId, platform::Object& application,
                      std::uint32_t milliseconds);

}  // namespace surva::cad
