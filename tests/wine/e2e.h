#pragma once
// Shared helpers for the end-to-end programs under Wine. Each program is
// one main() that runs its checks inside e2e::run and returns its result:
//
//   int main() {
//     return e2e::run([] {
//       e2e::Process app = e2e::startProgram(e2e::survaExe());
//       HWND w = e2e::waitForWindow(L"TForm1", L"Surva2023");
//       E2E_REQUIRE(w);
//       E2E_CHECK_EQ(e2e::clientSize(w).cx, 391L);
//     });
//   }
//
// E2E_CHECK records a failure, prints it and goes on; E2E_REQUIRE also ends
// the body. Process ends the program it started when it goes out of scope.
// Waits poll with a deadline; never assert on time.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "win32/grid_probe.h"

namespace e2e {

// ---- checks -------------------------------------------------------------

inline int& failures() {
  static int n = 0;
  return n;
}

inline std::string narrow(const std::wstring& w) {
  if (w.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
  return s;
}

struct Fatal {};

inline bool report(bool ok, const char* file, int line, const std::string& what) {
  if (!ok) {
    ++failures();
    std::printf("FAIL %s:%d: %s\n", file, line, what.c_str());
    std::fflush(stdout);
  }
  return ok;
}

#define E2E_CHECK(cond) ::e2e::report(static_cast<bool>(cond), __FILE__, __LINE__, #cond)
// Two values compared; both shown on failure. Wide strings print as UTF-8.
#define E2E_CHECK_EQ(a, b) ::e2e::checkEq((a), (b), __FILE__, __LINE__, #a " == " #b)
#define E2E_REQUIRE(cond) \
  do {                                                                        \
    if (!::e2e::report(static_cast<bool>(cond), __FILE__, __LINE__, #cond)) \
      throw ::e2e::Fatal{};                                                   \
  } while (0)

inline std::string show(const std::wstring& v) {
  std::string s(1, '"');
  s.append(narrow(v));
  s.push_back('"');
  return s;
}
inline std::string show(const wchar_t* v) { return show(std::wstring(v)); }
inline std::string show(bool v) { return v ? "true" : "false"; }
template <class T>
std::string show(const T& v) {
  return std::to_string(v);
}

template <class A, class B>
bool checkEq(const A& a, const B& b, const char* file, int line, const char* expr) {
  bool ok = a == b;
  return report(ok, file, line, ok ? "" : std::string(expr) + ": " + show(a) + " vs " + show(b));
}

inline void note(const std::string& s) {
  std::printf("  %s\n", s.c_str());
  std::fflush(stdout);
}

// Runs the body, then reports; the exit code of the program.
inline int run(const std::function<void()>& body) {
  try {
    body();
  } catch (const Fatal&) {
  } catch (const std::exception& e) {
    report(false, __FILE__, __LINE__, std::string("exception: ") + e.what());
  }
  if (failures() == 0) {
    std::printf("all checks passed\n");
  } else {
    std::printf("%d check(s) failed\n", failures());
  }
  std::fflush(stdout);
  return failures() == 0 ? 0 : 1;
}

inline int finish() { return failures() == 0 ? 0 : 1; }

// ---- time -----------------------------------------------------------------

using Clock = std::chrono::steady_clock;
inline constexpr int kDefaultWaitMs = 10000;

// Polls `ready` (every 20 ms, pumping this thread's messages) until it is
// true or `ms` have passed; the last answer.
inline bool waitUntil(const std::function<bool()>& ready, int ms = kDefaultWaitMs) {
  auto deadline = Clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    if (ready()) return true;
    if (Clock::now() >= deadline) return false;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    Sleep(20);
  }
}

// ---- programs ---------------------------------------------------------------

// The folder of this test program, with a trailing backslash.
inline std::wstring selfFolder() {
  wchar_t buf[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH * 4);
  std::wstring p(buf, n);
  return p.substr(0, p.find_last_of(L"\\/") + 1);
}

// build/windows, seen from build/windows/tests/wine/.
inline std::wstring buildFolder() { return selfFolder() + L"..\\..\\"; }
inline std::wstring survaExe() { return buildFolder() + L"src\\win32\\surva.exe"; }
inline std::wstring toolExe(const std::wstring& name) { return buildFolder() + L"tools\\" + name; }

inline bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A fresh folder under %TEMP% (emptied first), with a trailing backslash.
// Copy the program there so its settings and exchange files stay private
// to this test.
inline std::wstring freshFolder(const std::wstring& name) {
  wchar_t tmp[MAX_PATH];
  GetTempPathW(MAX_PATH, tmp);
  std::wstring dir = std::wstring(tmp) + L"surva-e2e-" + name + L"\\";
  // Clear what a previous run left (files only; tests make no subfolders).
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((dir + fd.cFileName).c_str());
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

// Copies `exe` into `folder`; the copy's path.
inline std::wstring copyInto(const std::wstring& exe, const std::wstring& folder) {
  std::wstring target = folder + exe.substr(exe.find_last_of(L"\\/") + 1);
  CopyFileW(exe.c_str(), target.c_str(), FALSE);
  return target;
}

// Writes a whole file; false when it cannot.
inline bool writeBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD n = 0;
  BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
  CloseHandle(h);
  return ok && n == bytes.size();
}

// The first 64 KiB of a file; "(none)" when it cannot be read.
inline std::string readBytes(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "(none)";
  std::string out(1 << 16, '\0');
  DWORD n = 0;
  ReadFile(h, out.data(), static_cast<DWORD>(out.size()), &n, nullptr);
  CloseHandle(h);
  out.resize(n);
  return out;
}

// A started program; ends it on destruction if it still runs, so a failed
// test leaves nothing behind.
class Process {
 public:
  Process() = default;
  explicit Process(PROCESS_INFORMATION pi) : pi_(pi) {}
  Process(Process&& o) noexcept : pi_(o.pi_) { o.pi_ = {}; }
  Process& operator=(Process&& o) noexcept {
    if (this != &o) {
      close();
      pi_ = o.pi_;
      o.pi_ = {};
    }
    return *this;
  }
  ~Process() { close(); }

  bool started() const { return pi_.hProcess != nullptr; }
  HANDLE handle() const { return pi_.hProcess; }
  DWORD id() const { return pi_.dwProcessId; }
  bool running() const { return started() && WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT; }

  // The exit code once it has ended within `ms`; nullopt if it still runs.
  std::optional<DWORD> wait(int ms = kDefaultWaitMs) {
    if (!started()) return std::nullopt;
    if (WaitForSingleObject(pi_.hProcess, ms) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(pi_.hProcess, &code);
    return code;
  }
  void kill() {
    if (running()) {
      TerminateProcess(pi_.hProcess, 99);
      WaitForSingleObject(pi_.hProcess, 5000);
    }
  }

 private:
  void close() {
    kill();
    if (pi_.hProcess) CloseHandle(pi_.hProcess);
    if (pi_.hThread) CloseHandle(pi_.hThread);
    pi_ = {};
  }
  PROCESS_INFORMATION pi_{};
};

// Starts `exe` with `args`, in the exe's folder; waits until it is idle
// for input (its windows exist) or 10 s.
inline Process startProgram(const std::wstring& exe, const std::wstring& args = L"") {
  std::wstring cmd = L"\"" + exe + L"\"";
  if (!args.empty()) cmd += L" " + args;
  std::wstring dir = exe.substr(0, exe.find_last_of(L"\\/") + 1);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi)) {
    report(false, __FILE__, __LINE__, "cannot start " + narrow(exe) + " (error " + std::to_string(GetLastError()) + ")");
    return {};
  }
  WaitForInputIdle(pi.hProcess, 10000);
  return Process(pi);
}

// ---- windows ------------------------------------------------------------------

inline HWND findWindow(const wchar_t* className, const wchar_t* caption) { return FindWindowW(className, caption); }

// Waits for a top-level window by class and/or caption (either may be null).
inline HWND waitForWindow(const wchar_t* className, const wchar_t* caption, int ms = kDefaultWaitMs) {
  HWND found = nullptr;
  waitUntil([&] { return (found = FindWindowW(className, caption)) != nullptr; }, ms);
  return found;
}

// Waits for a visible top-level window of process `pid` that satisfies `match`.
inline HWND waitForProcessWindow(DWORD pid, const std::function<bool(HWND)>& match, int ms = kDefaultWaitMs) {
  HWND found = nullptr;
  struct Ctx {
    DWORD pid;
    const std::function<bool(HWND)>* match;
    HWND* found;
  } ctx{pid, &match, &found};
  waitUntil(
      [&] {
        EnumWindows(
            [](HWND w, LPARAM lp) -> BOOL {
              auto* c = reinterpret_cast<Ctx*>(lp);
              DWORD owner = 0;
              GetWindowThreadProcessId(w, &owner);
              if (owner == c->pid && IsWindowVisible(w) && (*c->match)(w)) {
                *c->found = w;
                return FALSE;
              }
              return TRUE;
            },
            reinterpret_cast<LPARAM>(&ctx));
        return found != nullptr;
      },
      ms);
  return found;
}

// SendMessage that gives up after 5 s instead of hanging the test.
inline LRESULT send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(w, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result);
  return static_cast<LRESULT>(result);
}

inline std::wstring text(HWND w) {
  LRESULT n = send(w, WM_GETTEXTLENGTH);
  std::wstring s(static_cast<std::size_t>(n) + 1, L'\0');
  LRESULT got = send(w, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()));
  s.resize(static_cast<std::size_t>(got));
  return s;
}

inline std::wstring className(HWND w) {
  wchar_t buf[256];
  int n = GetClassNameW(w, buf, 256);
  return std::wstring(buf, n > 0 ? n : 0);
}

inline SIZE clientSize(HWND w) {
  RECT r{};
  GetClientRect(w, &r);
  return {r.right - r.left, r.bottom - r.top};
}

inline bool topMost(HWND w) { return (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

struct Child {
  HWND hwnd;
  std::wstring className;
  std::wstring text;
  RECT rect;  // in the top-level window's client coordinates
};

// Every descendant window of `top`, in creation order.
inline std::vector<Child> children(HWND top) {
  std::vector<HWND> hwnds;
  EnumChildWindows(
      top,
      [](HWND w, LPARAM lp) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&hwnds));
  std::vector<Child> out;
  for (HWND w : hwnds) {
    RECT r{};
    GetWindowRect(w, &r);
    MapWindowPoints(HWND_DESKTOP, top, reinterpret_cast<POINT*>(&r), 2);
    out.push_back({w, className(w), text(w), r});
  }
  return out;
}

// The first descendant of `top` of that window class, or null.
inline HWND childOfClass(HWND top, const wchar_t* cls) {
  for (const auto& c : children(top))
    if (c.className == cls) return c.hwnd;
  return nullptr;
}

// Surva's main window, once the program `app` shows it.
inline HWND mainWindow(const Process& app, int ms = kDefaultWaitMs) {
  return waitForProcessWindow(app.id(), [](HWND w) { return className(w) == L"TForm1"; }, ms);
}

// The first descendant of `top` with this caption (and class, if given).
inline HWND child(HWND top, const std::wstring& caption, const wchar_t* cls = nullptr) {
  for (const auto& c : children(top))
    if (c.text == caption && (!cls || _wcsicmp(c.className.c_str(), cls) == 0)) return c.hwnd;
  return nullptr;
}

inline bool enabled(HWND w) { return IsWindowEnabled(w) != FALSE; }
inline bool checked(HWND w) { return send(w, BM_GETCHECK) == BST_CHECKED; }
inline void click(HWND w) { send(w, BM_CLICK); }

// ---- keyboard --------------------------------------------------------------

// Brings `w` to the front; keybd_event goes to the foreground window.
inline bool bringToFront(HWND w) {
  SetForegroundWindow(w);
  return waitUntil([&] { return GetForegroundWindow() == w; }, 3000);
}

inline void key(BYTE vk, bool up) { keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0); }
inline void press(BYTE vk) {
  key(vk, false);
  key(vk, true);
}
inline void pressWith(BYTE modifier, BYTE vk) {
  key(modifier, false);
  press(vk);
  key(modifier, true);
}

// Types ASCII letters, digits and . - , through the keyboard.
inline void typeAscii(const std::string& s) {
  for (char c : s) {
    SHORT v = VkKeyScanW(static_cast<wchar_t>(c));
    if (v == -1) continue;
    bool shift = (v >> 8) & 1;
    if (shift) key(VK_SHIFT, false);
    press(static_cast<BYTE>(v & 0xFF));
    if (shift) key(VK_SHIFT, true);
  }
}

// Puts text on the clipboard, as another program does.
inline bool putClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  bool ok = false;
  if (mem) {
    memcpy(GlobalLock(mem), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(mem);
    ok = SetClipboardData(CF_UNICODETEXT, mem) != nullptr;
    if (!ok) GlobalFree(mem);
  }
  CloseClipboard();
  return ok;
}

// Waits until the target thread has handled everything sent to it before.
// Posted messages and keyboard input may still be waiting after it (sent
// messages go first): for those, wait for their effect with waitUntil.
inline void settle(HWND w) { send(w, WM_NULL); }

// ---- the string grid (see win32/grid_probe.h) --------------------------------

inline std::wstring gridCell(HWND grid, int col, int row) {
  static UINT probe = RegisterWindowMessageW(surva::win32::kGridProbeMessage);
  send(grid, probe, static_cast<WPARAM>(col), static_cast<LPARAM>(row));
  return text(grid);
}

inline long long gridInfo(HWND grid, surva::win32::GridInfo what) {
  static UINT info = RegisterWindowMessageW(surva::win32::kGridInfoMessage);
  return static_cast<long long>(send(grid, info, what, 0));
}

// Every grid window under `top`, in creation order.
inline std::vector<HWND> grids(HWND top) {
  std::vector<HWND> out;
  for (const auto& c : children(top))
    if (c.className == surva::win32::kGridClassName) out.push_back(c.hwnd);
  return out;
}

// ---- up-downs ------------------------------------------------------------------

// A click on the up-down's up arrow. The button goes up once `handled`
// holds and the program's handler has returned: Wine dispatches messages
// while a COM call waits, so a button-up handled inside the handler would
// come before the up-down arms its auto-repeat, which would then run on.
// The window shows the new position only after the handler (the model
// moves it), and nothing is dispatched between that and the arming.
inline bool clickUp(HWND updown, const std::function<bool()>& handled) {
  RECT r{};
  GetClientRect(updown, &r);
  LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 4);
  const LRESULT before = send(updown, UDM_GETPOS32);
  PostMessageW(updown, WM_LBUTTONDOWN, MK_LBUTTON, at);
  bool ok = waitUntil(handled);
  // At the top of its range the position stays: then wait a little only.
  waitUntil([&] { return send(updown, UDM_GETPOS32) != before; }, ok ? 2000 : 0);
  PostMessageW(updown, WM_LBUTTONUP, 0, at);
  settle(updown);
  return ok;
}

// ---- the program's dialogs ----------------------------------------------------

// A message box or other dialog of process `pid` with this caption (any
// caption when null).
inline HWND waitForDialog(DWORD pid, const wchar_t* caption = nullptr, int ms = kDefaultWaitMs) {
  return waitForProcessWindow(
      pid, [&](HWND w) { return className(w) == L"#32770" && (!caption || text(w) == caption); }, ms);
}

// What a message box says: its static texts, joined.
inline std::wstring messageText(HWND box) {
  std::wstring said;
  for (const auto& c : children(box))
    if (_wcsicmp(c.className.c_str(), L"Static") == 0) said += c.text;
  return said;
}

// Presses the dialog's button `id` (IDOK, IDYES, ...).
inline void answer(HWND dialog, int id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// Types a full path into an open or save dialog's file name box and
// presses its OK.
inline bool chooseFile(HWND dialog, const std::wstring& path) {
  HWND name = GetDlgItem(dialog, 0x47C);  // cmb13: a combo box with an edit inside
  if (name) {
    if (HWND edit = FindWindowExW(name, nullptr, L"Edit", nullptr)) name = edit;
  } else {
    name = GetDlgItem(dialog, 0x480);  // edt1
  }
  if (!name) return false;
  send(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  answer(dialog, IDOK);
  return true;
}

}  // namespace e2e
