// Plotting and the coordinate table end to end: three points typed into the
// main list, "CADへ" draws them into the stand-in CAD, "XY 作表" asks for a
// pick there and inserts the table at the picked corner.
#include "e2e.h"
#include "wine/cad_sim_process.h"
#include "wine/main_list_typing.h"

#include "platform/automation.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"

namespace {

using surva::platform::Variant;

// The check boxes of "CAD 描画" come after the harvest's boxes of the same
// captions in creation order.
void setCheck(HWND top, const std::wstring& caption, bool on) {
  HWND box = nullptr;
  for (const auto& c : e2e::children(top))
    if (_wcsicmp(c.className.c_str(), L"Button") == 0 && c.text == caption) box = c.hwnd;
  E2E_REQUIRE(box);
  if (e2e::checked(box) != on) e2e::click(box);
  E2E_CHECK_EQ(e2e::checked(box), on);
}

std::wstring simText(surva::platform::Object& app, const char16_t* member) {
  auto t = app.call(member).toText();
  return std::wstring(t.begin(), t.end());
}

bool contains(const std::wstring& haystack, const std::wstring& needle) {
  return haystack.find(needle) != std::wstring::npos;
}

}  // namespace

int main() {
  return e2e::run([] {
    surva::win32::ComApartment com;
    surva::win32::ComAutomation automation;
    e2e::CadSimProcess server(L"--progid Gcad.Application.23 --register");
    E2E_REQUIRE(server.started());
    auto cad = e2e::runningObject(automation, u"Gcad.Application.23");
    E2E_REQUIRE(cad != nullptr);

    std::wstring dir = e2e::freshFolder(L"plot-table");
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    E2E_REQUIRE(e2e::bringToFront(top));
    HWND list = e2e::grids(top).at(0);
    e2e::typeListRow(list, 1, "A-1", "10", "20");
    e2e::typeListRow(list, 2, "A-2", "30", "40.5");
    e2e::typeListRow(list, 3, "A-3", "50", "-60");
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 3), std::wstring(L"-60"));

    setCheck(top, L"PLINE", true);
    setCheck(top, L"POINT", true);
    setCheck(top, L"CIRCLE", false);
    setCheck(top, L"測点名", true);
    setCheck(top, L"座標値（", false);
    HWND plot = e2e::child(top, L"CADへ", L"Button");
    E2E_REQUIRE(plot);
    e2e::click(plot);
    E2E_CHECK(e2e::waitUntil([&] { return contains(simText(*cad, u"SimEntities"), L"A-3"); }));
    std::wstring drawn = simText(*cad, u"SimEntities");
    e2e::note("after CADへ:\n" + e2e::narrow(drawn));
    // The fourth data row of the start-up list stays empty: it is a point
    // at 0,0,0 like any other data row.
    E2E_CHECK(contains(drawn, L"POLYLINE 2F0 layer=SURVA_PLINE (10,20,0) (30,40.5,0) (50,-60,0) (0,0,0)"));
    E2E_CHECK(contains(drawn, L"POINT 2F2 layer=SURVA_POINT (30,40.5,0)"));
    E2E_CHECK(contains(drawn, L"\"A-2\""));
    E2E_CHECK(e2e::fileExists(dir + L"surva.dxf"));

    // The table: the pick is queued before the click, the CAD takes it
    // when GetPoint waits.
    cad->call(u"SimQueuePickPoint", {Variant::point(1000, 2000, 0)});
    HWND table = e2e::child(top, L"XY 作表", L"Button");
    E2E_REQUIRE(table);
    e2e::click(table);
    E2E_CHECK(e2e::waitUntil([&] { return contains(simText(*cad, u"SimEntities"), L"X座標"); }));
    drawn = simText(*cad, u"SimEntities");
    e2e::note("after XY 作表:\n" + e2e::narrow(drawn));
    E2E_CHECK(contains(drawn, L"LINE"));
    E2E_CHECK(contains(drawn, L"(1000,2000,0)-("));
    E2E_CHECK(contains(drawn, L"\"Y座標\""));
    E2E_CHECK(contains(drawn, L"\"40.500\""));
    E2E_CHECK(e2e::waitUntil([&] { return !IsIconic(top); }, 5000));

    PostMessageW(top, WM_CLOSE, 0, 0);
    app.wait(15000);
  });
}
