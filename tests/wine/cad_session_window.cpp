// The CAD session against the stand-in's real window: a minimised CAD is
// restored and brought to the front, and the Escape key reaches it and
// cancels the command waiting there.
#include "wine/cad_sim_process.h"

#include "cad/cad_session.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "win32/services.h"

using namespace surva;
using platform::Variant;

namespace {

constexpr char16_t kProgId[] = u"SurvaSim.Session";

void minimisedCadIsRestoredAndRaised(const platform::Services& services) {
  e2e::CadSimProcess server(L"--progid SurvaSim.Session --register --minimized");
  SURVA_CHECK(server.started());
  auto app = cad::RunningCad(*services.automation, kProgId);
  auto window = cad::CadWindow(*app);
  SURVA_CHECK(IsIconic(reinterpret_cast<HWND>(window)));
  // A command waits for a point; the Escape of the session cancels it.
  auto document = app->get(u"ActiveDocument").toObject();
  document->call(u"SendCommand", {Variant(u"_ID ")});
  SURVA_CHECK(!app->call(u"GetAcadState").toObject()->get(u"IsQuiescent").toBool());

  auto session = cad::OpenCadSession(services, kProgId);
  SURVA_CHECK(session.document != nullptr);
  SURVA_CHECK(!IsIconic(reinterpret_cast<HWND>(window)));
  SURVA_CHECK(GetForegroundWindow() == reinterpret_cast<HWND>(window));
  // The key events are queued to the CAD's thread; its next calls are
  // served after them.
  Variant keys = app->call(u"SimKeys");
  SURVA_CHECK(keys.toText() == u"27 down,27 up");
  if (keys.toText() != u"27 down,27 up") std::printf("  keys: %s\n", text::toUtf8(keys.toText()).c_str());
  SURVA_CHECK(app->call(u"GetAcadState").toObject()->get(u"IsQuiescent").toBool());
}

void cadInFrontIsRaisedWithoutRestoring(const platform::Services& services) {
  e2e::CadSimProcess server(L"--progid SurvaSim.Session --register");
  SURVA_CHECK(server.started());
  auto session = cad::OpenCadSession(services, kProgId);
  auto window = reinterpret_cast<HWND>(cad::CadWindow(*session.application));
  SURVA_CHECK(!IsIconic(window));
  SURVA_CHECK(GetForegroundWindow() == window);
  SURVA_CHECK(session.application->call(u"SimKeys").toText() == u"27 down,27 up");
}

}  // namespace

int main() {
  win32::ComApartment com;
  win32::ComAutomation automation;
  auto services = win32::makeServices();
  platform::Services bundle = services->bundle(&automation);
  minimisedCadIsRestoredAndRaised(bundle);
  cadInFrontIsRaisedWithoutRestoring(bundle);
  return e2e::result("cad_session_window");
}
