// The spreadsheet link end to end through real COM: a sheet of Japanese
// names, numbers, an empty Z cell and other cell kinds read into the main
// list; the list written back from another start row; the up-downs select
// a row and a column in the stand-in; the caption names the sheet. Then a
// window without a registered object.
#include "e2e.h"
#include "wine/cad_sim_process.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/automation.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"

namespace {

using surva::platform::Variant;

std::wstring wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }

std::wstring simText(surva::platform::Object& app, const char16_t* member, surva::platform::VariantArray args = {}) {
  return wide(app.call(member, std::move(args)).toText());
}

// The up-downs of the main tab from top to bottom: name, X, Y, Z, start row.
std::vector<HWND> mainUpDowns(HWND top) {
  std::vector<e2e::Child> found;
  for (const auto& c : e2e::children(top))
    if (_wcsicmp(c.className.c_str(), L"msctls_updown32") == 0 && IsWindowVisible(c.hwnd)) found.push_back(c);
  std::sort(found.begin(), found.end(), [](const e2e::Child& a, const e2e::Child& b) { return a.rect.top < b.rect.top; });
  std::vector<HWND> out;
  for (const auto& c : found) out.push_back(c.hwnd);
  return out;
}

// The visible edit on the up-down's left: the column letter.
std::wstring letterBeside(HWND top, HWND updown) {
  RECT u{};
  GetWindowRect(updown, &u);
  MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&u), 2);
  for (const auto& c : e2e::children(top))
    if (_wcsicmp(c.className.c_str(), L"Edit") == 0 && IsWindowVisible(c.hwnd) && c.rect.top == u.top &&
        c.rect.right <= u.left)
      return c.text;
  return L"?";
}

// A message box of the program, if one is open.
HWND messageBoxOf(DWORD pid) {
  return e2e::waitForProcessWindow(pid, [](HWND w) { return e2e::className(w) == L"#32770"; }, 500);
}

}  // namespace

int main() {
  return e2e::run([] {
    surva::win32::ComApartment com;
    surva::win32::ComAutomation automation;
    auto server = std::make_unique<e2e::CadSimProcess>(L"--register", true, e2e::sheetSimPath());
    E2E_REQUIRE(server->started());
    auto excel = e2e::runningObject(automation, u"Excel.Application");
    E2E_REQUIRE(excel != nullptr);

    const std::u16string longName = std::u16string(2000, u'杭') + u"\r\n①𠀋";
    const char16_t* names[] = {u"基準点１", u"境界杭Ａ", longName.c_str()};
    for (int r = 1; r <= 3; ++r) {
      excel->call(u"SimSetCell", {Variant(r), Variant(1), Variant(names[r - 1])});
      excel->call(u"SimEnter", {Variant(r), Variant(2), Variant(std::u16string(r == 2 ? u"-12345.678" : u"100.5"))});
      excel->call(u"SimSetCell", {Variant(r), Variant(3), Variant(1e300 * (r == 3))});
    }
    excel->call(u"SimSetCell", {Variant(1), Variant(4), Variant(7.25)});  // row 2 has no Z
    excel->call(u"SimSetCell", {Variant(3), Variant(4), Variant(-0.0)});
    // Other kinds: an error value, currency, a date, a truth value.
    excel->call(u"SimSetCell", {Variant(4), Variant(1), Variant(surva::platform::ErrorValue{std::int32_t(0x800A07FA)})});
    excel->call(u"SimSetCell", {Variant(4), Variant(2), Variant(surva::platform::Currency{12345678})});
    excel->call(u"SimSetCell", {Variant(4), Variant(3), Variant(surva::platform::Date{45343})});
    excel->call(u"SimSetCell", {Variant(4), Variant(4), Variant(true)});

    std::wstring dir = e2e::freshFolder(L"sheet-link");
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    HWND list = e2e::grids(top).at(0);
    HWND zBox = e2e::child(top, L"Z座標", L"Button");
    HWND read = e2e::child(top, L"Exceｌから", L"Button");
    HWND write = e2e::child(top, L"Excelへ", L"Button");
    E2E_REQUIRE(zBox && read && write);
    e2e::click(zBox);
    E2E_CHECK(e2e::checked(zBox));

    e2e::click(read);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 1) == L"基準点１"; }));
    auto row = [&](int r) {
      std::wstring s;
      for (int c = 0; c < 5; ++c) s += (c ? L"," : L"") + e2e::gridCell(list, c, r);
      return s;
    };
    E2E_CHECK_EQ(row(1), std::wstring(L"基準点１,100.5,0,7.25,1"));
    E2E_CHECK_EQ(row(2), std::wstring(L"境界杭Ａ,-12345.678,0,,2"));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 3), wide(longName));
    E2E_CHECK_EQ(row(3).substr(longName.size()), std::wstring(L",100.5,1E300,0,3"));
    E2E_CHECK_EQ(row(4), std::wstring(L"#N/A,1234.5678,2024/02/21,TRUE,4"));
    E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoRowCount), 5LL);
    E2E_CHECK_EQ(simText(*excel, u"SimSelection"), std::wstring(L"B5"));
    E2E_CHECK_EQ(e2e::text(top), std::wstring(L"Surva2024.2.21 [ Sheet1 ] "));

    // Start row 5: the up-down selects the row in the sheet.
    auto updowns = mainUpDowns(top);
    E2E_REQUIRE(updowns.size() == 5);
    e2e::send(updowns[4], UDM_SETPOS32, 0, 4);
    E2E_CHECK(e2e::clickUp(updowns[4], [&] { return simText(*excel, u"SimSelection") == L"5:5"; }));
    e2e::click(write);
    E2E_CHECK(e2e::waitUntil([&] { return simText(*excel, u"SimSelection") == L"D8"; }));
    E2E_CHECK_EQ(wide(excel->call(u"SimCell", {Variant(5), Variant(1)}).toText()), std::wstring(L"基準点１"));
    E2E_CHECK(excel->call(u"SimCell", {Variant(6), Variant(2)}) == Variant(-12345.678));
    E2E_CHECK(excel->call(u"SimCell", {Variant(6), Variant(4)}).isEmpty());
    E2E_CHECK_EQ(wide(excel->call(u"SimCell", {Variant(7), Variant(1)}).toText()), wide(longName));
    E2E_CHECK(excel->call(u"SimCell", {Variant(7), Variant(3)}) == Variant(1e300));
    E2E_CHECK_EQ(wide(excel->call(u"SimCell", {Variant(8), Variant(3)}).toText()), std::wstring(L"2024/02/21"));

    // The X up-down: letter C, column C selected.
    E2E_CHECK(e2e::clickUp(updowns[1], [&] { return simText(*excel, u"SimSelection") == L"C:C"; }));
    E2E_CHECK_EQ(e2e::send(updowns[1], UDM_GETPOS32), LRESULT(2));
    E2E_CHECK_EQ(letterBeside(top, updowns[1]), std::wstring(L"C"));
    E2E_CHECK(messageBoxOf(app.id()) == nullptr);

    excel.reset();
    server.reset();

    // A window of the spreadsheet's class without a registered object.
    server = std::make_unique<e2e::CadSimProcess>(L"--no-object", true, e2e::sheetSimPath());
    E2E_REQUIRE(server->started());
    E2E_CHECK(e2e::waitForWindow(L"XLMAIN", nullptr) != nullptr);
    e2e::click(read);
    e2e::click(write);
    E2E_CHECK(e2e::clickUp(updowns[0], [&] { return e2e::send(updowns[0], UDM_GETPOS32) == 1; }));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L"基準点１"));
    E2E_CHECK(messageBoxOf(app.id()) == nullptr);

    PostMessageW(top, WM_CLOSE, 0, 0);
    E2E_CHECK(app.wait(15000).has_value());
  });
}
