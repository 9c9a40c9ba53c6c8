#include "cad/target_check.h"

#include "platform/confirm.h"

namespace surva::cad {

bool CheckTargetProgID(platform::Automation& automation, platform::Dialogs& dialogs, text::u16view targetProgId) {
  auto classId = automation.classFromProgId(targetProgId);
  if (!classId) {
    platform::confirm(dialogs, u"ProgID（クラス文字列）: \n" + text::u16(targetProgId) + u" は無効です．");
    return false;
  }
  return automation.activeObject(*classId) != nullptr;
}

}  // namespace surva::cad
