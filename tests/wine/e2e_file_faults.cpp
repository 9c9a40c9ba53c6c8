// Every file the program writes, from a folder with a Japanese name and a
// blank: the exchange DXF, a SIMA file, the target CAD list and the
// settings file, each held open by another process without sharing, and
// then the program's folder (which holds all but the SIMA file) made
// read-only. Each time a message box names
// the file and the reason, the earlier file stays whole, and the program
// goes on (the settings at exit: it ends).
#include "e2e.h"
#include "wine/cad_sim_process.h"

#include <commctrl.h>

#include <optional>

#include "win32/com_apartment.h"
#include "win32/com_automation.h"

namespace {

const std::string kEarlier = "earlier\r\n";

// The file held open, as another program holding it does, for the life of
// the object.
struct Locked {
  explicit Locked(const std::wstring& path)
      : h(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {}
  ~Locked() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  HANDLE h;
};

// The program's error report: checks that it names the file and gives a
// reason, and closes it.
void expectReport(DWORD pid, const std::wstring& file, const std::string& what) {
  HWND box = e2e::waitForDialog(pid, L"Surva2024.2.21");
  if (!E2E_CHECK(box)) return;
  std::wstring said = e2e::messageText(box);
  e2e::note(what + ": " + e2e::narrow(said));
  E2E_CHECK(said.find(file) != std::wstring::npos);
  E2E_CHECK(said.size() > file.size() + 12);  // "ファイル … に書き込めません．" and the reason
  e2e::answer(box, IDOK);
  E2E_CHECK(e2e::waitUntil([&] { return !IsWindow(box); }, 5000));
}

// Runs a Linux program through Wine's start. It may still run when start
// has ended: wait for its effect.
void runUnix(const std::wstring& command) {
  std::wstring cmd = L"C:\\windows\\system32\\start.exe /wait /unix " + command;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
}

std::string unixPath(const std::wstring& dos) {
  using Fn = char*(CDECL*)(const wchar_t*);
  auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!fn) return {};
  char* p = fn(dos.c_str());
  std::string out = p ? p : "";
  HeapFree(GetProcessHeap(), 0, p);
  return out;
}

std::wstring wideUtf8(const std::string& s) {
  std::wstring w(s.size(), L'\0');
  w.resize(MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), static_cast<int>(w.size())));
  return w;
}

// A new name each time: a probe made just before the folder turned
// read-only cannot be deleted until it is writable again.
bool canCreateIn(const std::wstring& folder) {
  static int n = 0;
  std::wstring probe = folder + L"probe" + std::to_wstring(++n) + L".tmp";
  HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  DeleteFileW(probe.c_str());
  return true;
}

// The folder refuses new files: the read-only attribute, and where that
// does not stop us (root) the file system's immutable flag.
bool makeReadOnly(const std::wstring& folder, bool on) {
  SetFileAttributesW(folder.c_str(), on ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
  if (!on || canCreateIn(folder))
    runUnix(L"/usr/bin/chattr " + std::wstring(on ? L"+i" : L"-i") + L" \"" + wideUtf8(unixPath(folder)) + L"\"");
  bool done = e2e::waitUntil([&] { return on != canCreateIn(folder); }, 5000);
  if (!on) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((folder + L"probe*.tmp").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
      do DeleteFileW((folder + found.cFileName).c_str());
      while (FindNextFileW(h, &found));
      FindClose(h);
    }
  }
  return done;
}

// Read-only for the life of the object.
struct ReadOnlyFolder {
  explicit ReadOnlyFolder(std::wstring f) : folder(std::move(f)), active(makeReadOnly(folder, true)) {}
  ~ReadOnlyFolder() { E2E_CHECK(makeReadOnly(folder, false)); }
  std::wstring folder;
  bool active;
};

}  // namespace

int main() {
  return e2e::run([] {
    surva::win32::ComApartment com;
    e2e::CadSimProcess cad(L"--progid Gcad.Application.23 --register");
    E2E_REQUIRE(cad.started());

    const std::wstring dir = e2e::freshFolder(L"ファイル 障害");
    const std::wstring ini = dir + L"surva.ini", list = dir + L"TargetCAD_APIVersion.txt", dxf = dir + L"surva.dxf",
                       sima = dir + L"現場 1.sim";
    for (const auto& f : {ini, list, dxf, sima}) E2E_REQUIRE(e2e::writeBytes(f, kEarlier));
    const std::wstring exe = e2e::copyInto(e2e::survaExe(), dir);
    e2e::Process app = e2e::startProgram(exe);
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    HWND tabs = e2e::childOfClass(top, L"SysTabControl32");
    E2E_REQUIRE(tabs);

    // Two points with Z, pasted into the main list.
    auto pastePoints = [&] {
      HWND mainList = e2e::grids(top).at(0);
      E2E_REQUIRE(e2e::putClipboardText(L"A-1\t1\t2\t3\r\nA-2\t4\t5\t6\r\n"));
      E2E_REQUIRE(e2e::bringToFront(top));
      PostMessageW(mainList, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 28));
      PostMessageW(mainList, WM_LBUTTONUP, 0, MAKELPARAM(30, 28));
      e2e::settle(mainList);
      e2e::pressWith(VK_CONTROL, 'V');
      E2E_REQUIRE(e2e::waitUntil([&] { return e2e::gridCell(mainList, 3, 2) == L"6"; }, 5000));
    };
    // "CADへ" writes the exchange DXF once the CAD has answered.
    auto plot = [&](const std::string& what) {
      HWND button = e2e::child(top, L"CADへ", L"Button");
      E2E_REQUIRE(button);
      PostMessageW(button, BM_CLICK, 0, 0);
      expectReport(app.id(), dxf, what);
      E2E_CHECK(e2e::waitUntil([&] { return !IsIconic(top); }, 5000));
    };
    pastePoints();
    {
      Locked held(dxf);
      plot("exchange DXF held open");
    }
    E2E_CHECK(e2e::readBytes(dxf) == kEarlier);
    {
      Locked held(sima);
      e2e::send(tabs, TCM_SETCURFOCUS, 5);
      HWND build = e2e::child(top, L"データ作成", L"Button");
      HWND save = e2e::child(top, L"保存", L"Button");
      E2E_REQUIRE(build && save);
      e2e::click(build);
      PostMessageW(save, BM_CLICK, 0, 0);
      HWND saveAs = e2e::waitForProcessWindow(
          app.id(), [](HWND w) { return e2e::className(w) == L"#32770" && e2e::text(w) != L"確認"; });
      E2E_REQUIRE(saveAs && e2e::chooseFile(saveAs, sima));
      HWND question = e2e::waitForDialog(app.id(), L"確認");
      E2E_REQUIRE(question);
      e2e::answer(question, IDYES);
      expectReport(app.id(), sima, "SIMA file held open");
      e2e::send(tabs, TCM_SETCURFOCUS, 0);
    }
    E2E_CHECK(e2e::readBytes(sima) == kEarlier);
    // The target CAD list dialog: "追加" writes the list at once. The list
    // is held open only once the dialog has read it.
    auto addTarget = [&](const std::string& what, bool hold) {
      HWND edit = e2e::child(top, L"編集");
      E2E_REQUIRE(edit);
      PostMessageW(edit, BM_CLICK, 0, 0);
      HWND dlg = e2e::waitForProcessWindow(app.id(), [](HWND h) { return e2e::text(h) == L"ターゲット CAD"; });
      E2E_REQUIRE(dlg);
      HWND add = e2e::child(dlg, L"追加");
      HWND cancel = e2e::child(dlg, L"取り消し");
      E2E_REQUIRE(add && cancel);
      std::optional<Locked> held;
      if (hold) held.emplace(list);
      PostMessageW(add, BM_CLICK, 0, 0);
      expectReport(app.id(), list, what);
      PostMessageW(cancel, BM_CLICK, 0, 0);
      E2E_CHECK(e2e::waitUntil([&] { return !IsWindowVisible(dlg); }));
    };
    addTarget("target CAD list held open", true);
    E2E_CHECK(e2e::readBytes(list) == kEarlier);
    {
      Locked held(ini);
      PostMessageW(top, WM_CLOSE, 0, 0);
      expectReport(app.id(), ini, "settings file held open");
      E2E_CHECK(app.wait(15000).has_value());
    }
    E2E_CHECK(e2e::readBytes(ini) == kEarlier);

    // The program's folder read-only: the exchange DXF, the target CAD list
    // and, at exit, the settings file.
    ReadOnlyFolder readOnly(dir);
    if (!readOnly.active) {
      e2e::note("the folder could not be made read-only here: that part is not run");
      return;
    }
    app = e2e::startProgram(exe);
    top = e2e::mainWindow(app);
    if (E2E_CHECK(top)) {
      pastePoints();
      plot("exchange DXF in a read-only folder");
      addTarget("target CAD list in a read-only folder", false);
      PostMessageW(top, WM_CLOSE, 0, 0);
      expectReport(app.id(), ini, "settings file in a read-only folder");
      E2E_CHECK(app.wait(15000).has_value());
    }
    E2E_CHECK(e2e::readBytes(dxf) == kEarlier && e2e::readBytes(list) == kEarlier && e2e::readBytes(ini) == kEarlier);
    // No temporary file of a failed write ("surva.ini.tmp<pid>") is left behind.
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((dir + L"*.*.tmp*").c_str(), &found);
    E2E_CHECK(h == INVALID_HANDLE_VALUE);
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
  });
}
