// Harvesting end to end: the stand-in CAD holds a drawing; "CADから" with a
// scripted selection fills the main list with named, sorted rows; the
// "リスト表示" boxes rebuild it; "TEXT 取得" fills the TEXT list and a header
// click sorts it; the CAD killed in the middle of a harvest gives "取得失敗".
#include <windows.h>
#include <commctrl.h>

#include "e2e.h"
#include "platform/automation.h"
#include "wine/cad_sim_process.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"

namespace {

using surva::platform::Object;
using surva::platform::Variant;
using surva::platform::VariantArray;

std::wstring handleOf(const Variant& entity) {
  auto h = entity.toObject()->get(u"Handle").toText();
  return std::wstring(h.begin(), h.end());
}

// A text with its justification; the alignment point is where it sits.
std::wstring addText(Object& space, const char16_t* s, double x, double y, int hAlign = 0, int vAlign = 0) {
  Variant t = space.call(u"AddText", {Variant(s), Variant::point(x, y, 0), Variant(2.5)});
  if (hAlign || vAlign) {
    auto o = t.toObject();
    o->put(u"HorizontalAlignment", Variant(std::int32_t(hAlign)));
    o->put(u"VerticalAlignment", Variant(std::int32_t(vAlign)));
    o->put(u"TextAlignmentPoint", Variant::point(x, y, 0));
  }
  return handleOf(t);
}

void selectAll(Object& cad, const std::vector<std::wstring>& handles) {
  std::wstring all;
  for (auto& h : handles) all += (all.empty() ? L"" : L",") + h;
  cad.call(u"SimQueueSelect", {Variant(std::u16string(all.begin(), all.end()))});
  cad.call(u"SimQueueFinish");
}

// Name, X, Y of each data row, "name x y" joined by "; ".
std::wstring rows(HWND grid, int cols = 3) {
  std::wstring out;
  long long n = e2e::gridInfo(grid, surva::win32::kGridInfoRowCount);
  for (int r = 1; r < n; ++r) {
    if (!out.empty()) out += L"; ";
    for (int c = 0; c < cols; ++c) out += (c ? L" " : L"") + e2e::gridCell(grid, c, r);
  }
  return out;
}

HWND checkBox(HWND top, const std::wstring& caption) {
  for (const auto& c : e2e::children(top))
    if (_wcsicmp(c.className.c_str(), L"Button") == 0 && c.text == caption) return c.hwnd;
  return nullptr;
}

// The program's message box, by its process; its text.
std::wstring waitForMessage(DWORD pid, HWND* box) {
  *box = e2e::waitForDialog(pid, nullptr, 20000);
  return *box ? e2e::messageText(*box) : L"";
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
    auto space = cad->get(u"ActiveDocument").toObject()->get(u"ModelSpace").toObject();

    // The survey: a traverse, a point and a stake circle, each with its
    // station name beside it in a different justification.
    std::vector<std::wstring> drawn = {
        addText(*space, u"FAR", 300, 300),
        handleOf(space->call(u"AddLightWeightPolyline", {Variant(std::vector<double>{0, 0, 100, 0, 100, 100})})),
        addText(*space, u"A-1", 1, 1),
        addText(*space, u"A-2", 99, 1, 2, 0),    // right, baseline: at its alignment point
        addText(*space, u"A-3", 100, 102, 4),    // middle
        addText(*space, u"1,5", 100.5, 100),     // nearest to the corner, but never a name
        handleOf(space->call(u"AddPoint", {Variant::point(50, 50, 0)})),
        addText(*space, u"P-9", 51, 50, 1, 0),   // centred
        handleOf(space->call(u"AddCircle", {Variant::point(200, 0, 0), Variant(2.0)})),
        addText(*space, u"C-1", 202, 1),
        handleOf(space->call(u"AddLine", {Variant::point(0, 0, 0), Variant::point(5, 5, 0)})),
    };

    std::wstring dir = e2e::freshFolder(L"harvest");
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    HWND list = e2e::grids(top).at(0);
    HWND textList = e2e::grids(top).at(1);
    HWND group = e2e::child(top, L"リスト表示", L"Button");
    HWND polylines = checkBox(top, L"POLYLINE");
    E2E_REQUIRE(group && polylines);
    E2E_CHECK(!e2e::enabled(group));

    // Points and circles are listed by default, named after the nearest text.
    selectAll(*cad, drawn);
    e2e::click(e2e::child(top, L"CADから", L"Button"));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::enabled(group); }, 20000));
    E2E_CHECK_EQ(rows(list), std::wstring(L"C-1 200.000 0.000; P-9 50.000 50.000"));
    E2E_CHECK(!IsIconic(top));

    // Ticking "POLYLINE" adds the vertices; clearing it takes them away.
    e2e::click(polylines);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridInfo(list, surva::win32::kGridInfoRowCount) == 6; }));
    E2E_CHECK_EQ(rows(list), std::wstring(L"A-1 0.000 0.000; A-2 100.000 0.000; A-3 100.000 100.000; "
                                          L"C-1 200.000 0.000; P-9 50.000 50.000"));
    e2e::click(polylines);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridInfo(list, surva::win32::kGridInfoRowCount) == 3; }));

    // The TEXT list: texts only, at their insertion points; the header sorts.
    HWND tabs = e2e::childOfClass(top, L"SysTabControl32");
    E2E_REQUIRE(tabs);
    e2e::send(tabs, TCM_SETCURFOCUS, 3);
    selectAll(*cad, drawn);
    e2e::click(e2e::child(top, L"TEXT 取得", L"Button"));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridInfo(textList, surva::win32::kGridInfoRowCount) == 8; }, 20000));
    E2E_CHECK_EQ(e2e::gridCell(textList, 0, 1), std::wstring(L"FAR"));
    E2E_CHECK_EQ(e2e::gridCell(textList, 1, 2), std::wstring(L"1.000"));
    // The store holds the texts now: the main list cannot be rebuilt from it.
    E2E_CHECK(!e2e::enabled(group));
    E2E_CHECK_EQ(rows(list), std::wstring(L"C-1 200.000 0.000; P-9 50.000 50.000"));
    LPARAM header = MAKELPARAM(10, 9);
    PostMessageW(textList, WM_LBUTTONDOWN, MK_LBUTTON, header);
    PostMessageW(textList, WM_LBUTTONUP, 0, header);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(textList, 0, 1) == L"1,5"; }));
    E2E_CHECK_EQ(rows(textList, 1), std::wstring(L"1,5; A-1; A-2; A-3; C-1; FAR; P-9"));
    e2e::send(tabs, TCM_SETCURFOCUS, 0);

    // The CAD dies in the middle of a harvest of many points. (The
    // stand-in redraws its listing after every call: keep the drawing small.)
    std::vector<std::wstring> many;
    for (int i = 0; i < 40; ++i)
      many.push_back(handleOf(space->call(u"AddPoint", {Variant::point(i, -i, 0)})));
    selectAll(*cad, many);
    cad->call(u"SimExitAfterCalls", {Variant(std::int32_t(60))});
    e2e::click(e2e::child(top, L"CADから", L"Button"));
    HWND box = nullptr;
    E2E_CHECK_EQ(waitForMessage(app.id(), &box), std::wstring(L"取得失敗"));
    E2E_CHECK(server.wait(5000) == 9);
    HWND progress = e2e::childOfClass(top, PROGRESS_CLASSW);
    E2E_REQUIRE(progress);
    E2E_CHECK_EQ(static_cast<long long>(e2e::send(progress, PBM_GETPOS)), 0LL);
    if (box) e2e::send(box, WM_COMMAND, IDOK);
    E2E_CHECK(e2e::waitUntil([&] { return !e2e::enabled(group); }));
    E2E_CHECK(!IsIconic(top));
    e2e::settle(top);  // still answering

    PostMessageW(top, WM_CLOSE, 0, 0);
    app.wait(15000);
  });
}
