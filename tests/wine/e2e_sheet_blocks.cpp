// A list of 2,000 rows through real COM: read from the stand-in
// spreadsheet a block of rows at a time and written back from another start
// row, in a few round trips each way; the cells written show what the cells
// read showed.
#include "e2e.h"
#include "wine/cad_sim_process.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/automation.h"
#include "sheet/cell_text.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"

namespace {

using surva::platform::Variant;

constexpr int kRows = 2000;

std::wstring simText(surva::platform::Object& app, const char16_t* member) {
  auto s = app.call(member).toText();
  return std::wstring(s.begin(), s.end());
}

// Invokes, name lookups and type-information requests the stand-in served
// since the last reset.
int roundTrips(surva::platform::Object& app) {
  return app.call(u"SimCallCount").toInt() + app.call(u"SimGetIDsOfNamesCount").toInt() +
         app.call(u"SimTypeInfoCount").toInt();
}

// The up-down of the start row: the lowest visible one of the main tab.
HWND startRowUpDown(HWND top) {
  HWND found = nullptr;
  LONG lowest = -1;
  for (const auto& c : e2e::children(top))
    if (_wcsicmp(c.className.c_str(), L"msctls_updown32") == 0 && IsWindowVisible(c.hwnd) && c.rect.top > lowest) {
      lowest = c.rect.top;
      found = c.hwnd;
    }
  return found;
}

}  // namespace

int main() {
  return e2e::run([] {
    surva::win32::ComApartment com;
    surva::win32::ComAutomation automation;
    e2e::CadSimProcess server(L"--register", true, e2e::sheetSimPath());
    E2E_REQUIRE(server.started());
    auto excel = e2e::runningObject(automation, u"Excel.Application");
    E2E_REQUIRE(excel != nullptr);
    excel->call(u"SimFill", {Variant(kRows)});

    std::wstring dir = e2e::freshFolder(L"sheet-blocks");
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    HWND list = e2e::grids(top).at(0);
    HWND zBox = e2e::child(top, L"Z座標", L"Button");
    HWND read = e2e::child(top, L"Exceｌから", L"Button");
    HWND write = e2e::child(top, L"Excelへ", L"Button");
    HWND startRow = startRowUpDown(top);
    E2E_REQUIRE(zBox && read && write && startRow);
    e2e::click(zBox);

    const int cells = kRows * 4;
    excel->call(u"SimResetCounts");
    e2e::click(read);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridInfo(list, surva::win32::kGridInfoRowCount) == kRows + 1; }));
    const int readTrips = roundTrips(*excel);
    e2e::note("read: " + std::to_string(readTrips) + " round trips for " + std::to_string(cells) + " cells");
    E2E_CHECK(readTrips <= cells / 20);
    E2E_CHECK_EQ(e2e::gridCell(list, 0, kRows), L"P-" + std::to_wstring(kRows));
    E2E_CHECK_EQ(e2e::gridCell(list, 4, kRows), std::to_wstring(kRows));
    E2E_CHECK_EQ(simText(*excel, u"SimSelection"), L"B" + std::to_wstring(kRows + 1));

    e2e::send(startRow, UDM_SETPOS32, 0, 3000);
    E2E_CHECK(e2e::clickUp(startRow, [&] { return simText(*excel, u"SimSelection") == L"3001:3001"; }));
    excel->call(u"SimResetCounts");
    e2e::click(write);
    const std::wstring last = L"D" + std::to_wstring(3000 + kRows);
    E2E_CHECK(e2e::waitUntil([&] { return simText(*excel, u"SimSelection") == last; }));
    const int writeTrips = roundTrips(*excel);
    e2e::note("write: " + std::to_string(writeTrips) + " round trips for " + std::to_string(cells) + " cells");
    E2E_CHECK(writeTrips <= cells / 20);

    // The two ranges of the sheet hold the same values.
    auto sheet = excel->get(u"ActiveWorkbook").toObject()->get(u"ActiveSheet").toObject();
    auto values = [&](int first) {
      surva::text::u16 address(u"A");
      address += surva::text::intToText(first);
      address += u":D";
      address += surva::text::intToText(first + kRows - 1);
      return sheet->get(u"Range", {Variant(address)}).toObject()->get(u"Value");
    };
    const Variant original = values(1);
    E2E_REQUIRE(original.kind() == Variant::Kind::Table);
    E2E_CHECK(original.table().at(kRows - 1, 3) == Variant(12.345 + kRows));
    // Z came back through its 15-digit text: compare as the sheet shows them.
    const Variant copy = values(3001);
    E2E_REQUIRE(copy.kind() == Variant::Kind::Table);
    int differing = 0;
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < 4; ++c) {
        const Variant& a = original.table().at(r, c);
        const Variant& b = copy.table().at(r, c);
        differing += a.kind() != b.kind() || surva::sheet::CellText(a) != surva::sheet::CellText(b);
      }
    E2E_CHECK_EQ(differing, 0);
    E2E_CHECK(e2e::waitForProcessWindow(app.id(), [](HWND w) { return e2e::className(w) == L"#32770"; }, 500) ==
              nullptr);

    PostMessageW(top, WM_CLOSE, 0, 0);
    E2E_CHECK(app.wait(15000).has_value());
  });
}
