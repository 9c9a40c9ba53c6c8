#pragma once
// What the user does in the stand-in CAD's window, handed to the CAD: while
// an automation call waits for the user (GetPoint, GetEntity,
// SelectOnScreen) it becomes that call's answer; while a command waits on
// the command line (ID, an insertion point) a click answers its point,
// Enter ends it and Esc cancels it.
#include "sim/cad.h"

namespace surva::sim {

// False when nothing waited for the action (it is then dropped, never kept
// for a later command).
bool deliverUserAction(Cad& cad, bool callWaits, UserAction action);

// The prompt the command line shows for what waits: "点を指示:",
// "オブジェクトを選択:", ...; "コマンド:" when nothing does.
text::u16 promptOf(Cad& cad, bool callWaits);

}  // namespace surva::sim
