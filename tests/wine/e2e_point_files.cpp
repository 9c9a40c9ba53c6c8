// Point files and dropped files in the real program: a UTF-8 CSV without a
// byte-order mark and a SIMA file dropped on the window as Explorer drops
// them (an HDROP of DROPFILES posted as WM_DROPFILES), a drop of two files
// refused, the list saved through the pop-up menu's real save dialog and
// compared byte for byte, and a target CAD list saved as UTF-8 by an editor
// naming the CAD in the caption and written back in UTF-8.
#include <windows.h>

#include <shellapi.h>
#include <shlobj.h>
#include <string>
#include <vector>

#include "e2e.h"

namespace {

// 境界-1 and 基準点 in UTF-8, LF line ends, no mark.
const char kCsv[] = "\xE5\xA2\x83\xE7\x95\x8C-1,100.5,200.25\n\xE5\x9F\xBA\xE6\xBA\x96\xE7\x82\xB9,-3,4\n";
// 測点1 in Shift_JIS.
const char kSima[] = "G00,01,,\r\nA00,\r\nA01,1,\x91\xAA\x93\x5F\x31,1.5,2.5,3,\r\nA99,\r\n";
// The list after the CSV, saved: Shift_JIS with CR LF.
const char kSaved[] = "\x8B\xAB\x8A\x45-1,100.5,200.25\r\n\x8A\xEE\x8F\x80\x93\x5F,-3,4\r\n";
// 東京 as the CAD's name, UTF-8 without a mark, as a current editor saves it.
const char kTargets[] = "\xE6\x9D\xB1\xE4\xBA\xAC\tGcad.Application.23\n";

// An HDROP as the shell makes it: DROPFILES, then the wide paths, each
// ended by a NUL, and one NUL more, in fixed global memory. A memory
// handle means something only in its own process, so, as the shell does
// for a drop on another program's window, the block is put into the
// receiving process (a fixed block's handle is its address there).
HDROP makeDropIn(HANDLE process, const std::vector<std::wstring>& paths) {
  std::size_t chars = 1;
  for (const auto& p : paths) chars += p.size() + 1;
  const std::size_t size = sizeof(DROPFILES) + chars * sizeof(wchar_t);
  HGLOBAL h = GlobalAlloc(GPTR, size);
  auto* drop = static_cast<DROPFILES*>(h);
  drop->pFiles = sizeof(DROPFILES);
  drop->fWide = TRUE;
  auto* out = reinterpret_cast<wchar_t*>(reinterpret_cast<char*>(drop) + sizeof(DROPFILES));
  for (const auto& p : paths) {
    wcscpy(out, p.c_str());
    out += p.size() + 1;
  }
  *out = L'\0';
  void* there = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  SIZE_T written = 0;
  if (there) WriteProcessMemory(process, there, drop, size, &written);
  GlobalFree(h);
  return written == size ? static_cast<HDROP>(there) : nullptr;
}

HWND popupMenuWindow() {
  HWND w = FindWindowW(L"#32768", nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

}  // namespace

int main() {
  return e2e::run([] {
    std::wstring dir = e2e::freshFolder(L"point-files");
    E2E_REQUIRE(e2e::writeBytes(dir + L"in.csv", kCsv));
    E2E_REQUIRE(e2e::writeBytes(dir + L"in.sim", kSima));
    E2E_REQUIRE(e2e::writeBytes(dir + L"TargetCAD_APIVersion.txt", kTargets));
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::text(top).find(L"東京") != std::wstring::npos; }, 5000));
    auto grids = e2e::grids(top);
    E2E_REQUIRE(grids.size() == 4);
    HWND list = grids[0];
    auto dropOn = [&](const std::vector<std::wstring>& paths) {
      HDROP drop = makeDropIn(app.handle(), paths);
      E2E_REQUIRE(drop);
      PostMessageW(top, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    };

    dropOn({dir + L"in.sim"});
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 1) == L"測点1"; }, 5000));

    dropOn({dir + L"in.csv"});
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 2) == L"基準点"; }, 5000));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L"境界-1"));
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 1), std::wstring(L"200.25"));
    E2E_CHECK_EQ(e2e::gridCell(list, 4, 2), std::wstring(L"2"));

    // Two files at once: refused with a message, the list as it was.
    dropOn({dir + L"in.csv", dir + L"in.sim"});
    HWND refusal = e2e::waitForDialog(app.id(), L"確認");
    E2E_REQUIRE(refusal);
    E2E_CHECK(e2e::messageText(refusal).find(L"ドロップできるのは") != std::wstring::npos);
    e2e::answer(refusal, IDOK);
    E2E_CHECK(e2e::waitUntil([&] { return !IsWindow(refusal); }, 5000));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 2), std::wstring(L"基準点"));

    // "点ファイルに保存...", the menu's last item, through the real dialog.
    E2E_REQUIRE(e2e::bringToFront(top));
    PostMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(0xFFFF, 0xFFFF));
    E2E_REQUIRE(e2e::waitUntil([] { return popupMenuWindow() != nullptr; }, 5000));
    e2e::press(VK_UP);  // from no item, Up selects the last
    Sleep(20);
    e2e::press(VK_RETURN);
    HWND saveAs = e2e::waitForProcessWindow(
        app.id(), [](HWND w) { return e2e::className(w) == L"#32770" && e2e::text(w) != L"確認"; });
    E2E_REQUIRE(saveAs);
    E2E_REQUIRE(e2e::chooseFile(saveAs, dir + L"out"));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::readBytes(dir + L"out.csv") == kSaved; }, 5000));
    E2E_CHECK(e2e::readBytes(dir + L"out.csv") == kSaved);

    // "追加" in the target CAD list writes the file back in UTF-8, with
    // the editor's name kept.
    HWND edit = e2e::child(top, L"編集");
    E2E_REQUIRE(edit);
    PostMessageW(edit, BM_CLICK, 0, 0);
    HWND dlg = e2e::waitForProcessWindow(app.id(), [](HWND h) { return e2e::text(h) == L"ターゲット CAD"; });
    E2E_REQUIRE(dlg);
    std::vector<HWND> fields;
    for (const auto& c : e2e::children(dlg))
      if (_wcsicmp(c.className.c_str(), L"Edit") == 0) fields.push_back(c.hwnd);
    E2E_REQUIRE(fields.size() == 2);
    e2e::send(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"大阪"));
    e2e::send(fields[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Other.Application"));
    HWND add = e2e::child(dlg, L"追加");
    E2E_REQUIRE(add);
    e2e::send(add, BM_CLICK);
    E2E_CHECK(e2e::readBytes(dir + L"TargetCAD_APIVersion.txt") ==
              "\xE5\xA4\xA7\xE9\x98\xAA\tOther.Application\r\n\xE6\x9D\xB1\xE4\xBA\xAC\tGcad.Application.23\r\n");
    PostMessageW(dlg, WM_CLOSE, 0, 0);
    E2E_CHECK(e2e::waitUntil([&] { return !IsWindowVisible(dlg); }));

    PostMessageW(top, WM_CLOSE, 0, 0);
    E2E_CHECK(app.wait(15000).has_value());
  });
}
