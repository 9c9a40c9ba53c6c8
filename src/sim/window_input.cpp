#include "sim/window_input.h"

namespace surva::sim {

bool deliverUserAction(Cad& cad, bool callWaits, UserAction action) {
  if (callWaits) {
    cad.user().push(std::move(action));
    return true;
  }
  CommandLine& line = cad.commandLine();
  if (!line.busy()) return false;
  switch (action.kind) {
    case UserAction::Kind::PickPoint:
    case UserAction::Kind::PickEntity: line.pointPicked(action.point); return true;
    case UserAction::Kind::Finish: line.enter(); return true;
    case UserAction::Kind::Escape: cad.escape(); return true;
    default: return false;
  }
}

text::u16 promptOf(Cad& cad, bool callWaits) {
  if (callWaits) {
    const auto& records = cad.calls().records();
    text::u16 last = records.empty() ? text::u16() : text::upperAscii(records.back().member);
    if (last == u"GETENTITY") return u"オブジェクトを選択:";
    if (last == u"SELECTONSCREEN") return u"オブジェクトを選択 (Enter で終了):";
    return u"点を指示:";
  }
  if (cad.commandLine().busy()) return u"点を指示 (Enter で終了):";
  return u"コマンド:";
}

}  // namespace surva::sim
