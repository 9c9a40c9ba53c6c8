#pragma once
// Whether the target ProgID names a CAD that is running.
#include "platform/automation.h"
#include "platform/dialogs.h"

namespace surva::cad {

// A ProgID that names no registered class is reported in a confirmation
// dialog; a registered CAD that is not running gives false silently.
// Keeps no reference to the instance found.
bool CheckTargetProgID(platform::Automation& automation, platform::Dialogs& dialogs, text::u16view targetProgId);

}  // namespace surva::cad
