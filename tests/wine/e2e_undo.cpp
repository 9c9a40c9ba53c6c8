// Taking commands back in the real window: a sort from the pop-up menu
// undone with Ctrl+Z, a SIMA read over a typed list undone with "元に戻す"
// from the menu, and three "ID" picks undone with Ctrl+Z while their
// labels stay in the drawing.
#include <string>

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

constexpr char kInput[] = "A01,1,S1,1.5,2.5,,\r\nA01,2,S2,3.5,4.5,,\r\n";

HWND popupMenuWindow() {
  HWND w = FindWindowW(L"#32768", nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

// The pop-up menu of the main list from the keyboard position; the arrow
// keys skip separators: "測点名でソート" is the 8th item, "元に戻す" the 12th.
void chooseMenuItem(HWND list, int downs) {
  PostMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(0xFFFF, 0xFFFF));
  E2E_REQUIRE(e2e::waitUntil([] { return popupMenuWindow() != nullptr; }, 5000));
  for (int i = 0; i < downs; ++i) {
    e2e::press(VK_DOWN);
    Sleep(20);
  }
  e2e::press(VK_RETURN);
}

std::wstring column0(HWND list) {
  std::wstring out;
  const long long rows = e2e::gridInfo(list, surva::win32::kGridInfoRowCount);
  for (long long r = 1; r < rows; ++r) out += e2e::gridCell(list, 0, static_cast<int>(r)) + L"|";
  return out;
}

}  // namespace

int main() {
  return e2e::run([] {
    surva::win32::ComApartment com;
    surva::win32::ComAutomation automation;
    e2e::CadSimProcess server(L"--progid Gcad.Application.23 --register");
    E2E_REQUIRE(server.started());
    ObjectPtr cad = e2e::runningObject(automation, u"Gcad.Application.23");

    std::wstring dir = e2e::freshFolder(L"undo");
    E2E_REQUIRE(e2e::writeBytes(dir + L"in.sim", kInput));
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    HWND tabs = e2e::childOfClass(top, L"SysTabControl32");
    E2E_REQUIRE(tabs);
    HWND list = e2e::grids(top).at(0);
    using surva::win32::kGridInfoRowCount;

    // A sort from the menu, then Ctrl+Z: the pasted order again.
    E2E_REQUIRE(e2e::putClipboardText(L"B2\t1\t2\r\nA1\t3\t4\r\nA0\t5\t6\r\nC9\t7\t8\r\n"));
    E2E_REQUIRE(e2e::bringToFront(top));
    e2e::clickListCell(list, 0, 1);
    e2e::pressWith(VK_CONTROL, 'V');
    E2E_CHECK(e2e::waitUntil([&] { return column0(list) == L"B2|A1|A0|C9|"; }, 5000));
    chooseMenuItem(list, 8);
    E2E_CHECK(e2e::waitUntil([&] { return column0(list) == L"A0|A1|B2|C9|"; }, 5000));
    E2E_REQUIRE(e2e::bringToFront(top));
    e2e::clickListCell(list, 1, 2);
    e2e::pressWith(VK_CONTROL, 'Z');
    E2E_CHECK(e2e::waitUntil([&] { return column0(list) == L"B2|A1|A0|C9|"; }, 5000));
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 1), std::wstring(L"2"));

    // Ctrl+Z again takes back the paste; a list typed by hand.
    e2e::pressWith(VK_CONTROL, 'Z');
    E2E_CHECK(e2e::waitUntil([&] { return column0(list) == L"||||"; }, 5000));
    e2e::typeListRow(list, 1, "T-1", "10", "20");
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 1), std::wstring(L"20"));

    // " SIMA/R " read over it, then "元に戻す": the typed list again.
    e2e::send(tabs, TCM_SETCURFOCUS, 4);
    HWND read = e2e::child(top, L"読み込み", L"Button");
    E2E_REQUIRE(read);
    PostMessageW(read, BM_CLICK, 0, 0);
    HWND open = e2e::waitForProcessWindow(app.id(), [](HWND w) { return e2e::className(w) == L"#32770"; });
    E2E_REQUIRE(open);
    E2E_REQUIRE(e2e::chooseFile(open, dir + L"in.sim"));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 2) == L"S2"; }, 5000));
    e2e::send(tabs, TCM_SETCURFOCUS, 0);
    E2E_REQUIRE(e2e::bringToFront(top));
    chooseMenuItem(list, 12);
    E2E_CHECK(e2e::waitUntil([&] { return column0(list) == L"T-1||||"; }, 5000));
    E2E_CHECK_EQ(e2e::gridCell(list, 1, 1), std::wstring(L"10"));
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 1), std::wstring(L"20"));

    // Three "ID" picks appended after the typed row, then Ctrl+Z: the
    // three rows go, their labels stay in the drawing.
    cad->call(u"SimQueuePickPoint", {Variant::point(100, 200, 0)});
    cad->call(u"SimQueuePickPoint", {Variant::point(110, 210, 0)});
    cad->call(u"SimQueuePickPoint", {Variant::point(120, 220, 0)});
    cad->call(u"SimQueueEscape");
    HWND id = e2e::child(top, L"ID (INT)", L"Button");
    E2E_REQUIRE(id);
    PostMessageW(id, BM_CLICK, 0, 0);
    HWND box = e2e::waitForDialog(app.id(), L"Surva");
    E2E_REQUIRE(box);
    e2e::answer(box, IDYES);
    E2E_CHECK(e2e::waitUntil([&] { return cad->call(u"SimPendingActions").toInt() == 0 && !IsIconic(top); }));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 4) != L""; }, 5000));
    const std::wstring picked = column0(list);
    E2E_REQUIRE(e2e::bringToFront(top));
    e2e::clickListCell(list, 0, 1);
    e2e::pressWith(VK_CONTROL, 'Z');
    E2E_CHECK(e2e::waitUntil([&] { return column0(list) == L"T-1||||"; }, 5000));
    E2E_CHECK_EQ(e2e::gridInfo(list, kGridInfoRowCount), 5LL);
    const std::wstring drawn = [&] {
      auto t = cad->call(u"SimEntities").toText();
      return std::wstring(t.begin(), t.end());
    }();
    e2e::note("picked: " + e2e::narrow(picked) + "\nafter undo the drawing holds:\n" + e2e::narrow(drawn));
    E2E_CHECK(drawn.find(L"at (100,200,0)") != std::wstring::npos);
    E2E_CHECK(drawn.find(L"at (120,220,0)") != std::wstring::npos);

    PostMessageW(top, WM_CLOSE, 0, 0);
    app.wait(15000);
  });
}
