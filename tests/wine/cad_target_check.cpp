// The target ProgID check through the real class lookup and running object
// table: a running stand-in, a registered one that is not running, and a
// ProgID no class is registered under.
#include "wine/cad_sim_process.h"
#include "wine/recording_dialogs.h"

#include "cad/target_check.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"

using namespace surva;

namespace {

constexpr char16_t kProgId[] = u"SurvaSim.TargetCheck";

void runningStandInIsFound(win32::ComAutomation& automation) {
  e2e::CadSimProcess server(L"--progid SurvaSim.TargetCheck --register");
  SURVA_CHECK(server.started());
  e2e::RecordingDialogs dialogs;
  SURVA_CHECK(cad::CheckTargetProgID(automation, dialogs, kProgId));
  // Class strings match without regard to case, as in the registry.
  SURVA_CHECK(cad::CheckTargetProgID(automation, dialogs, u"survasim.targetcheck"));
  SURVA_CHECK(dialogs.shown.empty());
}

void stoppedStandInGivesFalseSilently(win32::ComAutomation& automation) {
  SURVA_CHECK(e2e::runCadSim(L"--progid SurvaSim.TargetCheck --regserver") == 0);
  e2e::RecordingDialogs dialogs;
  SURVA_CHECK(automation.classFromProgId(kProgId).has_value());
  SURVA_CHECK(!cad::CheckTargetProgID(automation, dialogs, kProgId));
  SURVA_CHECK(dialogs.shown.empty());
  SURVA_CHECK(e2e::runCadSim(L"--progid SurvaSim.TargetCheck --unregserver") == 0);
  SURVA_CHECK(!automation.classFromProgId(kProgId).has_value());
}

void unregisteredProgIdIsReported(win32::ComAutomation& automation) {
  e2e::RecordingDialogs dialogs;
  SURVA_CHECK(!cad::CheckTargetProgID(automation, dialogs, u"SurvaSim.NotRegistered"));
  SURVA_CHECK(dialogs.shown.size() == 1);
  if (dialogs.shown.size() == 1) {
    SURVA_CHECK(dialogs.shown[0].message == u"ProgID（クラス文字列）: \nSurvaSim.NotRegistered は無効です．");
    SURVA_CHECK(dialogs.shown[0].buttons == platform::Buttons::Ok);
    SURVA_CHECK(dialogs.shown[0].icon == platform::Icon::Question);
  }
}

void serverRemovesItsRegistrationAtExit(win32::ComAutomation& automation) {
  {
    e2e::CadSimProcess server(L"--progid SurvaSim.TargetCheck --register");
    SURVA_CHECK(automation.classFromProgId(kProgId).has_value());
  }
  SURVA_CHECK(!automation.classFromProgId(kProgId).has_value());
}

void installedProductsAreNeverTakenOver() {
  // A ProgID that names another class stays as it is.
  SURVA_CHECK(e2e::runCadSim(L"--progid Shell.Application --regserver") == 3);
}

}  // namespace

int main() {
  win32::ComApartment com;
  win32::ComAutomation automation;
  runningStandInIsFound(automation);
  stoppedStandInGivesFalseSilently(automation);
  unregisteredProgIdIsReported(automation);
  serverRemovesItsRegistrationAtExit(automation);
  installedProductsAreNeverTakenOver();
  return e2e::result("cad_target_check");
}
