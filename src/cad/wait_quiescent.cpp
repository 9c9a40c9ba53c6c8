#include "cad/wait_quiescent.h"

#include "text/number.h"

namespace surva::cad {

text::u16 CadStateMember(text::u16view progId) {
  text::u16 upper = text::upperAscii(progId);
  if (upper.find(u"GCAD") != text::u16::npos) {
    auto dot = upper.rfind(u'.');
    text::u16view version = dot == text::u16::npos ? text::u16view(upper) : text::u16view(upper).substr(dot + 1);
    int major = text::tryParseInt(version).value_or(0);
    return major < 24 ? u"GetGcadState" : u"GetAcadState";
  }
  if (upper.find(u"ZWCAD") != text::u16::npos) return u"GetZcadState";
  return u"GetAcadState";
}

void WaitCadQuiescent(platform::Clock& clock, text::u16view progId, platform::Object& application,
                      std::uint32_t milliseconds) {
  text::u16 member = CadStateMember(progId);
  clock.sleep(milliseconds);
  for (;;) {
    auto state = application.call(member).toObject();
    if (!state) throw platform::AutomationError(u"CAD の状態を取得できません");
    if (state->get(u"IsQuiescent").toBool()) return;
    clock.sleep(milliseconds);
  }
}

}  // namespace surva::cad
