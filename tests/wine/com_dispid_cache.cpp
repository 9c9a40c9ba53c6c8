// Member names are looked up once per object: the stand-in counts the
// GetIDsOfNames requests that reach it.
#include "cad_sim_process.h"

#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "win32/com_object.h"

using namespace surva;
using platform::Variant;

namespace {

int lookups(platform::Object& app, const char16_t* member) {
  return app.call(u"SimGetIDsOfNamesCount", {Variant(member)}).toInt();
}

void eachMemberIsLookedUpOnce(platform::Object& app) {
  app.call(u"SimResetCounts");
  for (int i = 0; i < 50; ++i) app.get(u"HWND");
  // Another spelling of the same member reuses the lookup.
  for (int i = 0; i < 10; ++i) app.get(u"hwnd");
  E2E_CHECK_EQ(lookups(app, u"HWND"), 1);
  // The count member itself was looked up once too.
  E2E_CHECK_EQ(lookups(app, u"SimGetIDsOfNamesCount"), 1);
}

void objectsReadInALoopAskOncePerObject(platform::Object& app) {
  auto document = app.get(u"ActiveDocument").toObject();
  app.call(u"SimResetCounts");
  for (int i = 0; i < 20; ++i) document->call(u"GetVariable", {Variant(u"DIMSCALE")});
  E2E_CHECK_EQ(lookups(app, u"GetVariable"), 1);
  // A new handle on the document shares the IDs of its type.
  auto again = app.get(u"ActiveDocument").toObject();
  again->call(u"GetVariable", {Variant(u"DIMSCALE")});
  E2E_CHECK_EQ(lookups(app, u"GetVariable"), 1);
}

void withoutTheCacheEveryCallAsks(IDispatch* dispatch, platform::Object& app) {
  win32::ComObject uncached(dispatch, false);
  app.call(u"SimResetCounts");
  for (int i = 0; i < 10; ++i) uncached.get(u"HWND");
  E2E_CHECK_EQ(lookups(app, u"HWND"), 10);
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    e2e::CadSimProcess server(L"--progid SurvaSim.DispIds --register");
    E2E_REQUIRE(server.started());
    win32::ComAutomation automation;
    auto app = e2e::runningObject(automation, u"SurvaSim.DispIds");
    E2E_REQUIRE(app != nullptr);
    eachMemberIsLookedUpOnce(*app);
    objectsReadInALoopAskOncePerObject(*app);
    withoutTheCacheEveryCallAsks(static_cast<win32::ComObject&>(*app).dispatch(), *app);
    app->call(u"SimQuit");
  });
}
