// Waiting for CAD to become idle across processes: the point-picking
// command waits for the user, the scripted pick ends it, and the wait
// returns with the picked point in LASTPOINT.
#include "cad_sim_process.h"

#include "cad/var_to_point.h"
#include "cad/wait_quiescent.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "win32/window_api.h"

using namespace surva;
using platform::Variant;

namespace {

void waitReturnsAfterThePick(win32::ComAutomation& automation, const wchar_t* arguments, text::u16view progId,
                             text::u16view stateMember) {
  e2e::CadSimProcess server(arguments);
  E2E_CHECK(server.started());
  auto app = e2e::runningObject(automation, progId);
  E2E_CHECK(app != nullptr);
  if (!app) return;
  auto document = app->get(u"ActiveDocument").toObject();
  document->call(u"SendCommand", {Variant(u"_ID ")});
  // The user needs two polls before picking.
  app->call(u"SimQueueWait", {Variant(std::int32_t(2))});
  app->call(u"SimQueuePickPoint", {Variant::point(12.5, -3, 0)});
  win32::Win32Clock clock;
  cad::WaitCadQuiescent(clock, progId, *app, 20);
  E2E_CHECK(app->call(u"SimPendingActions").toInt() == 0);
  auto last = cad::VarToAcadPoint(document->call(u"GetVariable", {Variant(u"LASTPOINT")}));
  E2E_CHECK(last.x == 12.5 && last.y == -3 && last.z == 0);
  E2E_CHECK(app->call(u"SimCallCount", {Variant(text::u16(stateMember))}).toInt() >= 3);
}

void closedCadEndsTheWaitWithAnError(win32::ComAutomation& automation) {
  auto server = std::make_unique<e2e::CadSimProcess>(L"--progid SurvaSim.Wait --register");
  auto app = e2e::runningObject(automation, u"SurvaSim.Wait");
  E2E_CHECK(app != nullptr);
  if (!app) return;
  app->get(u"ActiveDocument").toObject()->call(u"SendCommand", {Variant(u"_ID ")});
  server.reset();  // the user closes the CAD
  win32::Win32Clock clock;
  try {
    cad::WaitCadQuiescent(clock, u"SurvaSim.Wait", *app, 20);
    E2E_CHECK(!"the wait returned");
  } catch (const platform::AutomationError& e) {
    std::printf("  closed CAD: %s (0x%08X)\n", text::toUtf8(e.message()).c_str(), unsigned(e.code()));
    E2E_CHECK(!e.message().empty());
  }
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    win32::ComAutomation automation;
    waitReturnsAfterThePick(automation, L"--progid SurvaSim.Wait --register", u"SurvaSim.Wait", u"GetAcadState");
    // The target ProgID the program starts with picks the GstarCAD state member.
    waitReturnsAfterThePick(automation, L"--progid Gcad.Application.23 --register", u"Gcad.Application.23",
                            u"GetGcadState");
    closedCadEndsTheWaitWithAnError(automation);
  });
}
