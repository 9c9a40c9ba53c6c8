// The stand-in CAD across processes: by-reference arguments of the drawing
// members the program uses, and its window drawing the drawing for a person
// to pick in.
#include "cad_sim_process.h"

#include <thread>

#include "win32/com_apartment.h"
#include "win32/com_automation.h"

using namespace surva;
using platform::Variant;

namespace {

// The screen position of a drawing point in the stand-in's window.
POINT onScreen(platform::Object& app, HWND top, double x, double y) {
  auto p = app.call(u"SimToScreen", {Variant::point(x, y, 0)}).toArray();
  POINT pt{static_cast<LONG>(p.at(0).toInt()), static_cast<LONG>(p.at(1).toInt())};
  ClientToScreen(top, &pt);
  return pt;
}

// True when a pixel of that colour lies within a pixel of `at`.
bool colourNear(POINT at, COLORREF colour) {
  HDC screen = GetDC(nullptr);
  bool found = false;
  for (int dx = -1; dx <= 1 && !found; ++dx)
    for (int dy = -1; dy <= 1 && !found; ++dy) found = GetPixel(screen, at.x + dx, at.y + dy) == colour;
  ReleaseDC(nullptr, screen);
  return found;
}

LPARAM clientAt(platform::Object& app, HWND top, double x, double y) {
  POINT p = onScreen(app, top, x, y);
  ScreenToClient(top, &p);
  return MAKELPARAM(p.x, p.y);
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

// The window draws the drawing where the view shows it, and a person's
// drag and Enter answer a selection that waits for them.
void windowDrawsAndAPersonSelects(platform::Object& app) {
  HWND top = reinterpret_cast<HWND>(static_cast<std::intptr_t>(app.get(u"HWND").toInt()));
  E2E_REQUIRE(IsWindow(top));
  auto document = app.get(u"ActiveDocument").toObject();
  auto space = document->get(u"ModelSpace").toObject();
  app.call(u"ZoomCenter", {Variant::point(0, 0, 0), Variant(100.0)});
  space->call(u"AddLine", {Variant::point(-20, 0, 0), Variant::point(20, 0, 0)});
  auto point = space->call(u"AddPoint", {Variant::point(10, 10, 0)}).toObject()->get(u"Handle").toText();
  app.call(u"SimKeys");  // the window repaints after a call; this one is served after that
  E2E_CHECK(e2e::waitUntil([&] { return colourNear(onScreen(app, top, 5, 0), RGB(255, 255, 255)); }, 3000));
  E2E_CHECK(!colourNear(onScreen(app, top, 5, 20), RGB(255, 255, 255)));

  // Dragged to the right from (-30,15) to (15,-5): the point lies inside,
  // the line reaches beyond.
  LPARAM from = clientAt(app, top, -30, 15), to = clientAt(app, top, 15, -5);
  std::thread person([top, from, to] {
    e2e::waitUntil([&] { return GetPropW(top, L"SurvaSimWaits") != nullptr; }, 5000);
    PostMessageW(top, WM_LBUTTONDOWN, MK_LBUTTON, from);
    PostMessageW(top, WM_MOUSEMOVE, MK_LBUTTON, to);
    PostMessageW(top, WM_LBUTTONUP, 0, to);
    PostMessageW(top, WM_KEYDOWN, VK_RETURN, 0);
  });
  auto set = document->get(u"SelectionSets").toObject()->call(u"Add", {Variant(u"ssTemp")}).toObject();
  set->call(u"SelectOnScreen");
  person.join();
  E2E_REQUIRE(set->get(u"Count").toInt() == 1);
  E2E_CHECK(set->call(u"Item", {Variant(0)}).toObject()->get(u"Handle").toText() == point);
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::ComApartment com;
    e2e::CadSimProcess server(L"--progid SurvaSim.Window --register --interactive");
    E2E_REQUIRE(server.started());
    win32::ComAutomation automation;
    auto app = e2e::runningObject(automation, u"SurvaSim.Window");
    E2E_REQUIRE(app != nullptr);
    byReferenceArgumentsReachTheDrawing(*app);
    windowDrawsAndAPersonSelects(*app);
    app->call(u"SimQuit");
  });
}
