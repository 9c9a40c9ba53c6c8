#pragma once
// The confirmation kind of message dialog: question icon, caption "確認".
#include "platform/dialogs.h"

namespace surva::platform {

Answer confirm(Dialogs& dialogs, text::u16view message, Buttons buttons = Buttons::Ok);

}  // namespace surva::platform
