// The SIMA tabs through the real open and save dialogs: a Shift_JIS file
// with Japanese names read into both lists, "×1000" toggled off and on, the
// write list built and saved byte for byte, and the overwrite question: the
// only one asked, and No leaves the file as it was.
#include <windows.h>

#include <commctrl.h>
#include <string>

#include "e2e.h"

namespace {

const char kInput[] =
    "G00,01,,\r\nZ00,test,\r\nA00,\r\n"
    "A01,1,\x91\xAA\x93\x5F\x31,100.5,200.25,10,\r\n"  // 測点1
    "A01,2,\x91\xAA\x93\x5F\x32,-30.125,40,,\r\n"      // 測点2
    "A99,\r\n";

// Names 測点1 and 測点2 again, from the start name in "測点名：".
const char kSaved[] =
    "G00,01,,\r\nZ00,// AutoCAD\x8D\xC0\x95\x57\x93\xC7\x82\xDD\x8E\xE6\x82\xE8\x83\x66\x81\x5B\x83\x5E//,\r\n"
    "A00,\r\n"
    "A01,    1,\x91\xAA\x93\x5F\x31,100.500,200.250,10.000,\r\n"
    "A01,    2,\x91\xAA\x93\x5F\x32,-30.125,40.000,0.000,\r\n"
    "A99,\r\n";

bool isDialog(HWND w) { return e2e::className(w) == L"#32770"; }

// Visible dialogs of the process other than `except`.
int dialogCount(DWORD pid) {
  struct Ctx {
    DWORD pid;
    int n;
  } ctx{pid, 0};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == c->pid && IsWindowVisible(w) && isDialog(w)) ++c->n;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.n;
}

HWND waitForFileDialog(DWORD pid) {
  return e2e::waitForProcessWindow(pid, [](HWND w) { return isDialog(w) && e2e::text(w) != L"確認"; });
}

HWND editBeside(HWND top, const std::wstring& text) {
  for (const auto& c : e2e::children(top))
    if (_wcsicmp(c.className.c_str(), L"Edit") == 0 && c.text == text) return c.hwnd;
  return nullptr;
}

}  // namespace

int main() {
  return e2e::run([] {
    std::wstring dir = e2e::freshFolder(L"sima-files");
    E2E_REQUIRE(e2e::writeBytes(dir + L"in.sim", kInput));
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    HWND tabs = e2e::childOfClass(top, L"SysTabControl32");
    E2E_REQUIRE(tabs);
    auto grids = e2e::grids(top);
    E2E_REQUIRE(grids.size() == 4);
    HWND mainList = grids[0], writeList = grids[3];

    // " SIMA/R ": read through the open dialog.
    e2e::send(tabs, TCM_SETCURFOCUS, 4);
    HWND read = e2e::child(top, L"読み込み", L"Button");
    HWND times1000 = e2e::child(top, L"×1000", L"Button");
    E2E_REQUIRE(read && times1000);
    PostMessageW(read, BM_CLICK, 0, 0);
    HWND open = waitForFileDialog(app.id());
    E2E_REQUIRE(open);
    E2E_REQUIRE(e2e::chooseFile(open, dir + L"in.sim"));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(mainList, 0, 2) == L"測点2"; }, 5000));
    E2E_CHECK_EQ(e2e::gridCell(mainList, 1, 1), std::wstring(L"200250"));
    E2E_CHECK_EQ(e2e::gridCell(mainList, 2, 2), std::wstring(L"-30125"));
    E2E_CHECK_EQ(e2e::gridCell(mainList, 3, 2), std::wstring(L"0"));
    E2E_CHECK_EQ(e2e::gridInfo(mainList, surva::win32::kGridInfoRowCount), 3LL);
    E2E_CHECK_EQ(e2e::gridCell(grids[2], 2, 1), std::wstring(L"測点1"));

    e2e::click(times1000);
    E2E_CHECK_EQ(e2e::gridCell(mainList, 1, 1), std::wstring(L"200.25"));
    E2E_CHECK_EQ(e2e::gridCell(mainList, 3, 2), std::wstring(L""));
    e2e::click(times1000);
    E2E_CHECK_EQ(e2e::gridCell(mainList, 1, 1), std::wstring(L"200250"));

    // " SIMA/W ": build from the start name 測点1 and save under a name
    // without extension.
    e2e::send(tabs, TCM_SETCURFOCUS, 5);
    HWND startName = editBeside(top, L"A1");
    HWND build = e2e::child(top, L"データ作成", L"Button");
    HWND save = e2e::child(top, L"保存", L"Button");
    HWND thousandths = e2e::child(top, L"1/1000", L"Button");
    E2E_REQUIRE(startName && build && save && thousandths);
    e2e::send(startName, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"測点1"));
    e2e::click(build);
    E2E_CHECK_EQ(e2e::gridCell(writeList, 2, 3), std::wstring(L"測点2"));
    PostMessageW(save, BM_CLICK, 0, 0);
    HWND saveAs = waitForFileDialog(app.id());
    E2E_REQUIRE(saveAs);
    E2E_REQUIRE(e2e::chooseFile(saveAs, dir + L"out"));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::readBytes(dir + L"out.sim") == kSaved; }, 5000));
    E2E_CHECK(e2e::readBytes(dir + L"out.sim") == kSaved);

    // Saving over it: our question is the only one; No keeps the file.
    e2e::click(thousandths);  // the write list changes
    PostMessageW(save, BM_CLICK, 0, 0);
    saveAs = waitForFileDialog(app.id());
    E2E_REQUIRE(saveAs);
    E2E_REQUIRE(e2e::chooseFile(saveAs, dir + L"out.sim"));
    HWND question = e2e::waitForProcessWindow(app.id(), [](HWND w) { return isDialog(w) && e2e::text(w) == L"確認"; });
    E2E_REQUIRE(question);
    E2E_CHECK(e2e::waitUntil([&] { return !IsWindow(saveAs) || !IsWindowVisible(saveAs); }, 3000));
    E2E_CHECK_EQ(dialogCount(app.id()), 1);
    E2E_CHECK(e2e::child(question, L"すでにファイルが存在します．上書きしますか？") != nullptr);
    PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(question, IDNO)));
    E2E_CHECK(e2e::waitUntil([&] { return dialogCount(app.id()) == 0; }, 5000));
    e2e::settle(top);
    E2E_CHECK(e2e::readBytes(dir + L"out.sim") == kSaved);

    PostMessageW(top, WM_CLOSE, 0, 0);
    E2E_CHECK(app.wait(15000).has_value());
  });
}
