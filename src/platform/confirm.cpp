#include "platform/confirm.h"

namespace surva::platform {

Answer confirm(Dialogs& dialogs, text::u16view message, Buttons buttons) {
  return dialogs.messageBox(message, u"確認", Icon::Question, buttons);
}

}  // namespace surva::platform
