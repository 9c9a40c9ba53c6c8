// The stand-in CAD across processes: by-reference arguments of the drawing
// members the program uses, and its window listing the layers and entities.
#include "cad_sim_process.h"

#include "win32/com_apartment.h"
#include "win32/com_automation.h"

using namespace surva;
using platform::Variant;

namespace {

std::vector<std::wstring> listLines(HWND top) {
  std::vector<std::wstring> lines;
  HWND list = FindWindowExW(top, nullptr, L"LISTBOX", nullptr);
  if (!list) return lines;
  LRESULT n = SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < n; ++i) {
    wchar_t buffer[512] = {};
    if (SendMessageW(list, LB_GETTEXTLEN, i, 0) < 511) SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(buffer));
    lines.emplace_back(buffer);
  }
  return lines;
}

bool listHas(HWND top, const std::wstring& start) {
  for (auto& l : listLines(top)) {
    if (l.rfind(start, 0) == 0) return true;
  }
  return false;
}

void byReferenceArgumentsReachTheDrawing(platform::Object& app) {
  auto document = app.get(u"ActiveDocument").toObject();
  auto space = document->get(u"ModelSpace").toObject();
  // Points handed over by reference, as a late-bound caller may.
  auto text = space->call(u"AddText", {Variant(u"No.1"), Variant::ref(Variant::point(10, 20, 0)), Variant(2.5)})
                  .toObject();
  E2E_REQUIRE(text != nullptr);
  text->put(u"Layer", Variant(u"0"));
  auto handle = text->get(u"Handle").toText();
  E2E_CHECK(app.call(u"SimEntities").toText().find(handle) != text::u16::npos);
  app.call(u"ZoomCenter", {Variant::ref(Variant::point(10, 20, 0)), Variant(50.0)});
  E2E_CHECK(document->call(u"GetVariable", {Variant(u"VIEWSIZE")}).toDouble() == 50.0);

  // Utility.GetEntity answers through its two by-reference arguments.
  app.call(u"SimQueuePickEntity", {Variant(handle), Variant::point(10.5, 20.5, 0)});
  Variant entity = Variant::ref();
  Variant picked = Variant::ref();
  document->get(u"Utility").toObject()->call(u"GetEntity", {entity, picked, Variant(u"文字を選択:")});
  E2E_REQUIRE(entity.deref().isObject());
  E2E_CHECK(entity.deref().toObject()->get(u"TextString").toText() == u"No.1");
  E2E_CHECK(picked.deref().toDoubles() == (std::vector<double>{10.5, 20.5, 0}));

  // A pick on empty space is the CAD's own error.
  app.call(u"SimQueuePickPoint", {Variant::point(0, 0, 0)});
  try {
    document->get(u"Utility").toObject()->call(u"GetEntity", {Variant::ref(), Variant::ref(), Variant(u"")});
    E2E_CHECK(!"GetEntity returned");
  } catch (const platform::AutomationError& e) {
    E2E_CHECK(e.message() == u"オブジェクトが選択されていません。");
  }
}

void windowListsLayersAndEntities(platform::Object& app) {
  HWND top = reinterpret_cast<HWND>(static_cast<std::intptr_t>(app.get(u"HWND").toInt()));
  E2E_REQUIRE(IsWindow(top));
  auto layers = app.get(u"ActiveDocument").toObject()->get(u"Layers").toObject();
  layers->call(u"Add", {Variant(u"測点")});
  // The listing is refreshed after the call; a further call is served after it.
  app.call(u"SimKeys");
  E2E_CHECK(listHas(top, L"[画層]"));
  E2E_CHECK(listHas(top, L"測点"));
  E2E_CHECK(listHas(top, L"TEXT"));
  if (!listHas(top, L"TEXT")) {
    for (auto& l : listLines(top)) e2e::note(e2e::narrow(l));
  }
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    e2e::CadSimProcess server(L"--progid SurvaSim.Window --register");
    E2E_REQUIRE(server.started());
    win32::ComAutomation automation;
    auto classId = automation.classFromProgId(u"SurvaSim.Window");
    E2E_REQUIRE(classId.has_value());
    auto app = automation.activeObject(*classId);
    E2E_REQUIRE(app != nullptr);
    byReferenceArgumentsReachTheDrawing(*app);
    windowListsLayersAndEntities(*app);
    app->call(u"SimQuit");
  });
}
