// Working in the drawing end to end: "ID (INT)" appends three scripted picks
// (one snapped to a crossing of two lines) as named rows with labels, "PAN"
// centres the stand-in's view on a row at the same view height, "画層取得"
// copies a picked TEXT's layer and refuses a line.
#include <fstream>

#include "e2e.h"
#include "wine/cad_sim_process.h"
#include "wine/main_list_typing.h"

#include <commctrl.h>

#include "platform/automation.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"

namespace {

using surva::platform::ObjectPtr;
using surva::platform::Variant;

std::wstring wide(const surva::text::u16& t) { return std::wstring(t.begin(), t.end()); }

bool contains(const std::wstring& haystack, const std::wstring& needle) {
  return haystack.find(needle) != std::wstring::npos;
}

// A message box of the program with this caption; answers it with `button`
// and returns its text.
std::wstring answerBox(DWORD pid, const std::wstring& caption, int button) {
  HWND box = e2e::waitForDialog(pid, caption.c_str());
  if (!box) return L"(no box)";
  std::wstring said = e2e::messageText(box);
  e2e::answer(box, button);
  return said;
}

}  // namespace

int main() {
  return e2e::run([] {
    surva::win32::ComApartment com;
    surva::win32::ComAutomation automation;
    e2e::CadSimProcess server(L"--progid Gcad.Application.23 --register");
    E2E_REQUIRE(server.started());
    ObjectPtr cad = e2e::runningObject(automation, u"Gcad.Application.23");
    ObjectPtr doc = cad->get(u"ActiveDocument").toObject();
    ObjectPtr space = doc->get(u"ModelSpace").toObject();
    space->call(u"AddLine", {Variant::point(0, 50, 0), Variant::point(100, 50, 0)});
    ObjectPtr line = space->call(u"AddLine", {Variant::point(50, 0, 0), Variant::point(50, 100, 0)}).toObject();
    auto simText = [&](const char16_t* member) { return wide(cad->call(member).toText()); };
    auto variable = [&](const char16_t* name) { return doc->call(u"GetVariable", {Variant(name)}); };

    std::wstring dir = e2e::freshFolder(L"pick-pan");
    {
      std::ofstream ini((dir + L"surva.ini").c_str(), std::ios::binary);
      ini << "[AutoCAD]\r\nTextLayerName=OLDLAYER\r\n";
    }
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    E2E_REQUIRE(e2e::bringToFront(top));
    HWND list = e2e::grids(top).at(0);
    e2e::typeListRow(list, 1, "A-1", "10", "20");

    // ID: the list has a row with X, so it asks; Yes appends after it.
    cad->call(u"SimQueuePickPoint", {Variant::point(100, 200, 0)});
    cad->call(u"SimQueuePickPoint", {Variant::point(50.6, 49.4, 0)});  // rounds to 51,49 unless snapped to (50,50)
    cad->call(u"SimQueuePickPoint", {Variant::point(300.4, 400.6, 0)});
    cad->call(u"SimQueueEscape");
    HWND id = e2e::child(top, L"ID (INT)", L"Button");
    E2E_REQUIRE(id);
    PostMessageW(id, BM_CLICK, 0, 0);
    E2E_CHECK_EQ(answerBox(app.id(), L"Surva", IDYES), std::wstring(L"現在の座標リストに追加しますか？\r\n  Yes = 追加 / No = 初期化"));
    E2E_CHECK(e2e::waitUntil([&] { return cad->call(u"SimPendingActions").toInt() == 0 && !IsIconic(top); }));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridInfo(list, surva::win32::kGridInfoRowCount) == 5; }));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L"A-1"));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 2), std::wstring(L"101"));
    E2E_CHECK_EQ(e2e::gridCell(list, 1, 2), std::wstring(L"100"));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 3), std::wstring(L"102"));
    E2E_CHECK_EQ(e2e::gridCell(list, 1, 3), std::wstring(L"50"));
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 3), std::wstring(L"50"));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 4), std::wstring(L"103"));
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 4), std::wstring(L"401"));
    E2E_CHECK_EQ(e2e::gridCell(list, 4, 4), std::wstring(L"4"));
    std::wstring drawn = simText(u"SimEntities");
    e2e::note("after ID:\n" + e2e::narrow(drawn));
    E2E_CHECK(contains(drawn, L"TEXT 2F2 layer=SURVA_TEXTPT \"101\" at (100,200,0) h=2.5"));
    E2E_CHECK(contains(drawn, L"layer=SURVA_TEXTPT \"102\" at (50,50,0)"));
    E2E_CHECK(contains(drawn, L"layer=SURVA_TEXTPT \"103\" at (300,401,0)"));
    E2E_CHECK(contains(simText(u"SimCommandLog"), L"Command: _ID"));

    // PAN on row 3 (the snapped point): the centre moves, the height stays.
    double viewSize = variable(u"VIEWSIZE").toDouble();
    e2e::clickListCell(list, 1, 3);
    HWND pan = e2e::child(top, L"PAN", L"Button");
    E2E_REQUIRE(pan);
    PostMessageW(pan, BM_CLICK, 0, 0);
    E2E_CHECK(e2e::waitUntil([&] { return variable(u"VIEWCTR").toDoubles() == std::vector<double>{50, 50, 0}; }));
    E2E_CHECK_EQ(variable(u"VIEWSIZE").toDouble(), viewSize);

    // 画層取得 on the third page: a TEXT on WALL, then a line.
    doc->get(u"Layers").toObject()->call(u"Add", {Variant(u"WALL")});
    ObjectPtr wall = space->call(u"AddText", {Variant(u"No.7"), Variant::point(5, 5, 0), Variant(2.5)}).toObject();
    wall->put(u"Layer", Variant(u"WALL"));
    HWND tabs = e2e::childOfClass(top, L"SysTabControl32");
    E2E_REQUIRE(tabs);
    e2e::send(tabs, TCM_SETCURFOCUS, 2);
    HWND layerField = e2e::child(top, L"OLDLAYER", L"Edit");
    HWND layerPick = e2e::child(top, L"画層取得", L"Button");
    E2E_REQUIRE(layerField && layerPick);
    cad->call(u"SimQueuePickEntity", {wall->get(u"Handle"), Variant::point(5, 5, 0)});
    PostMessageW(layerPick, BM_CLICK, 0, 0);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::text(layerField) == L"WALL"; }));
    E2E_CHECK(e2e::waitUntil([&] { return !IsIconic(top); }));
    cad->call(u"SimQueuePickEntity", {line->get(u"Handle"), Variant::point(50, 10, 0)});
    PostMessageW(layerPick, BM_CLICK, 0, 0);
    E2E_CHECK_EQ(answerBox(app.id(), L"確認", IDOK), std::wstring(L"TEXT ではありません."));
    E2E_CHECK(e2e::waitUntil([&] { return !IsIconic(top); }));
    E2E_CHECK_EQ(e2e::text(layerField), std::wstring(L"WALL"));
    E2E_CHECK_EQ(variable(u"SNAPMODE").toInt(), 0);

    PostMessageW(top, WM_CLOSE, 0, 0);
    app.wait(15000);
  });
}
