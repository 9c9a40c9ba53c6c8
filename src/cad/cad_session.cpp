#include "cad/cad_session.h"

#include <cmath>

namespace surva::cad {

namespace {
constexpr std::int32_t kClassString = static_cast<std::int32_t>(0x800401F3);  // CO_E_CLASSSTRING
constexpr std::int32_t kUnavailable = static_cast<std::int32_t>(0x800401E3);  // MK_E_UNAVAILABLE

// The drawing in front; a CAD without any drawing open is an error of the
// command, not a null reference for it to trip over.
platform::ObjectPtr activeDocument(platform::Object& application) {
  auto doc = application.get(u"ActiveDocument").toObjectOrNull();
  if (!doc) throw platform::AutomationError(u"CAD に開いている図面がありません");
  return doc;
}
}  // namespace

platform::ObjectPtr RunningCad(platform::Automation& automation, text::u16view targetProgId) {
  auto classId = automation.classFromProgId(targetProgId);
  if (!classId) throw platform::AutomationError(u"無効なクラス文字列です", kClassString);
  auto app = automation.activeObject(*classId);
  if (!app) throw platform::AutomationError(u"操作を利用できません", kUnavailable);
  return app;
}

platform::WindowHandle CadWindow(platform::Object& application) {
  platform::Variant v = application.get(u"HWND");
  // A 64-bit CAD may hand the handle over as a floating value.
  if (v.deref().kind() == platform::Variant::Kind::Double) return platform::WindowHandle(std::llround(v.toDouble()));
  return platform::WindowHandle(v.toInt());
}

CadSession OpenCadSession(const platform::Services& services, text::u16view targetProgId) {
  CadSession s;
  s.application = RunningCad(*services.automation, targetProgId);
  platform::WindowApi& windows = *services.windows;
  platform::WindowHandle w = CadWindow(*s.application);
  if (windows.isIconic(w)) {
    windows.openIcon(w);
    services.clock->sleep(500);
  }
  windows.setForegroundWindow(w);
  // Escape cancels a command pending in CAD, but only if CAD really got the
  // focus; a key sent elsewhere would act on another program.
  if (windows.foregroundWindow() == w) {
    windows.keybdEvent(platform::kVkEscape, 0, 0);
    services.clock->sleep(5);
    windows.keybdEvent(platform::kVkEscape, 0, platform::kKeyEventKeyUp);
    services.clock->sleep(200);
  }
  s.document = activeDocument(*s.application);
  return s;
}

CadSession AttachCad(platform::Automation& automation, text::u16view targetProgId) {
  CadSession s;
  s.application = RunningCad(automation, targetProgId);
  s.document = activeDocument(*s.application);
  return s;
}

}  // namespace surva::cad
