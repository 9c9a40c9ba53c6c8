// The target ProgID check through the real class lookup and running object
// table: a running stand-in, a registered one that is not running, and a
// ProgID no class is registered under.
#include "cad_sim_process.h"
#include "recording_dialogs.h"

#include "cad/target_check.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"

using namespace surva;

namespace {

constexpr char16_t kProgId[] = u"SurvaSim.TargetCheck";

void runningStandInIsFound(win32::ComAutomation& automation) {
  e2e::CadSimProcess server(L"--progid SurvaSim.TargetCheck --register");
  E2E_CHECK(server.started());
  e2e::RecordingDialogs dialogs;
  E2E_CHECK(cad::CheckTargetProgID(automation, dialogs, kProgId));
  // Class strings match without regard to case, as in the registry.
  E2E_CHECK(cad::CheckTargetProgID(automation, dialogs, u"survasim.targetcheck"));
  E2E_CHECK(dialogs.shown.empty());
}

void stoppedStandInGivesFalseSilently(win32::ComAutomation& automation) {
  E2E_CHECK(e2e::runCadSim(L"--progid SurvaSim.TargetCheck --regserver") == 0);
  e2e::RecordingDialogs dialogs;
  E2E_CHECK(automation.classFromProgId(kProgId).has_value());
  E2E_CHECK(!cad::CheckTargetProgID(automation, dialogs, kProgId));
  E2E_CHECK(dialogs.shown.empty());
  E2E_CHECK(e2e::runCadSim(L"--progid SurvaSim.TargetCheck --unregserver") == 0);
  E2E_CHECK(!automation.classFromProgId(kProgId).has_value());
}

void unregisteredProgIdIsReported(win32::ComAutomation& automation) {
  e2e::RecordingDialogs dialogs;
  E2E_CHECK(!cad::CheckTargetProgID(automation, dialogs, u"SurvaSim.NotRegistered"));
  E2E_CHECK(dialogs.shown.size() == 1);
  if (dialogs.shown.size() == 1) {
    E2E_CHECK(dialogs.shown[0].message == u"ProgID（クラス文字列）: \nSurvaSim.NotRegistered は無効です．");
    E2E_CHECK(dialogs.shown[0].buttons == platform::Buttons::Ok);
    E2E_CHECK(dialogs.shown[0].icon == platform::Icon::Question);
  }
}

void serverRemovesItsRegistrationAtExit(win32::ComAutomation& automation) {
  {
    e2e::CadSimProcess server(L"--progid SurvaSim.TargetCheck --register");
    E2E_CHECK(automation.classFromProgId(kProgId).has_value());
  }
  E2E_CHECK(!automation.classFromProgId(kProgId).has_value());
}

void installedProductsAreNeverTakenOver() {
  // A ProgID that names another class stays as it is.
  E2E_CHECK(e2e::runCadSim(L"--progid Shell.Application --regserver") == 3);
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    win32::ComAutomation automation;
    runningStandInIsFound(automation);
    stoppedStandInGivesFalseSilently(automation);
    unregisteredProgIdIsReported(automation);
    serverRemovesItsRegistrationAtExit(automation);
    installedProductsAreNeverTakenOver();
  });
}
