// Values, by-reference arguments and errors cross the process boundary to the
// stand-in CAD and come back unchanged.
#include "cad_sim_process.h"

#include "win32/com_apartment.h"
#include "win32/com_automation.h"

using namespace surva;
using platform::Variant;
using platform::VariantArray;

namespace {

void echoesEveryKind(platform::Object& app) {
  std::vector<Variant> values = {
      Variant(),
      Variant(platform::Null{}),
      Variant(true),
      Variant(false),
      Variant(std::int16_t(-7)),
      Variant(std::int32_t(123456789)),
      Variant(-0.1),
      Variant(u"測点 No.1"),
      Variant(u""),
      Variant::point(1.5, -2.25, 3e10),
      Variant(std::vector<double>{}),
      Variant(VariantArray{Variant(std::int16_t(0)), Variant(u"a"), Variant(VariantArray{Variant(2.0)})}),
  };
  for (const auto& v : values) {
    Variant back = app.call(u"SimEcho", {v});
    E2E_CHECK(back == v);
    if (!(back == v)) std::printf("  kind %d came back as kind %d\n", int(v.kind()), int(back.kind()));
  }
}

void objectsTravelBothWays(platform::Object& app) {
  // An object handed to the server and back is still the server's object.
  auto document = app.get(u"ActiveDocument").toObject();
  E2E_CHECK(document != nullptr);
  Variant back = app.call(u"SimEcho", {Variant(document)});
  E2E_CHECK(back.isObject() && back.toObjectOrNull() != nullptr);
  if (back.isObject()) E2E_CHECK(back.toObject()->get(u"Name").toText() == u"Drawing1.dwg");
  Variant none = app.call(u"SimEcho", {Variant(platform::ObjectPtr())});
  E2E_CHECK(none.isObject() && none.toObjectOrNull() == nullptr);
}

void byReferenceCellsAreWrittenBack(platform::Object& app) {
  Variant cell = Variant::ref(Variant(u"before"));
  app.call(u"SimOut", {cell, Variant::point(10, 20, 0)});
  E2E_CHECK(cell.deref() == Variant::point(10, 20, 0));
  // An empty cell, as Utility.GetEntity's entity argument.
  Variant entity = Variant::ref();
  app.call(u"SimOut", {entity, app.get(u"ActiveDocument")});
  E2E_CHECK(entity.deref().isObject());
}

void errorsCarryTheServersText(platform::Object& app) {
  try {
    app.call(u"SimFail", {Variant(u"図形が選択されていません")});
    E2E_CHECK(!"SimFail returned");
  } catch (const platform::AutomationError& e) {
    E2E_CHECK(e.message() == u"図形が選択されていません");
    E2E_CHECK(e.code() == std::int32_t(E_FAIL));
  }
  try {
    app.get(u"NoSuchMember");
    E2E_CHECK(!"unknown member returned");
  } catch (const platform::AutomationError& e) {
    E2E_CHECK(!e.message().empty());
  }
}

void membersMatchWithoutRegardToCase(platform::Object& app) {
  E2E_CHECK(app.get(u"hwnd").toInt() == app.get(u"HWND").toInt());
  E2E_CHECK(app.get(u"HWND").toInt() != 0);
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    e2e::CadSimProcess server(L"");
    E2E_REQUIRE(server.started());
    win32::ComAutomation automation;
    auto app = automation.activeObject(u"{896B1D2D-C608-4E3B-BB1D-2DCD1B78FE7A}");
    E2E_CHECK(app != nullptr);
    if (app) {
      echoesEveryKind(*app);
      objectsTravelBothWays(*app);
      byReferenceCellsAreWrittenBack(*app);
      errorsCarryTheServersText(*app);
      membersMatchWithoutRegardToCase(*app);
      app->call(u"SimQuit");
      app.reset();
    }
    E2E_CHECK(server.wait() == 0);
  });
}
