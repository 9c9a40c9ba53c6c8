#pragma once
// Starts the stand-in CAD server for an end-to-end test and stops it again.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace surva::e2e {

// Failed checks are counted; the program exits with 1 when any failed.
inline int& failures() {
  static int n = 0;
  return n;
}

#define SURVA_CHECK(cond)                                                   \
  do {                                                                      \
    if (!(cond)) {                                                          \
      std::printf("%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      ++::surva::e2e::failures();                                           \
    }                                                                       \
  } while (0)

// The stand-in's path: $SURVA_TOOLS_DIR, else beside this build's tools.
inline std::wstring cadSimPath() {
  if (const wchar_t* dir = _wgetenv(L"SURVA_TOOLS_DIR")) return std::wstring(dir) + L"\\surva_cad_sim.exe";
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  path = path.substr(0, path.find_last_of(L"\\/"));  // tests\wine
  path = path.substr(0, path.find_last_of(L"\\/"));  // tests
  path = path.substr(0, path.find_last_of(L"\\/"));  // the build folder
  return path + L"\\tools\\surva_cad_sim.exe";
}

// Runs the stand-in with `arguments` and waits until its application object
// is in the running object table (or it has exited).
class CadSimProcess {
 public:
  explicit CadSimProcess(const std::wstring& arguments, bool waitReady = true) {
    wchar_t eventName[64];
    swprintf(eventName, 64, L"SurvaCadSimReady%lu_%lu", GetCurrentProcessId(), ++counter());
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, eventName);
    std::wstring command = L"\"" + cadSimPath() + L"\" " + arguments;
    if (waitReady) command += std::wstring(L" --ready-event ") + eventName;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      std::printf("cannot start the stand-in CAD (%lu)\n", GetLastError());
      CloseHandle(ready);
      return;
    }
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    if (waitReady) {
      HANDLE both[] = {ready, process_};
      DWORD r = WaitForMultipleObjects(2, both, FALSE, 20000);
      started_ = r == WAIT_OBJECT_0;
    }
    CloseHandle(ready);
  }
  ~CadSimProcess() { stop(); }
  CadSimProcess(const CadSimProcess&) = delete;
  CadSimProcess& operator=(const CadSimProcess&) = delete;

  bool started() const { return started_; }
  // Waits for the process to end by itself; returns its exit code.
  DWORD wait(DWORD ms = 20000) {
    if (!process_) return DWORD(-1);
    WaitForSingleObject(process_, ms);
    DWORD code = DWORD(-1);
    GetExitCodeProcess(process_, &code);
    return code;
  }
  // Asks its window to close and waits; kills it when it does not end.
  void stop() {
    if (!process_) return;
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
      EnumWindows(
          [](HWND w, LPARAM pid) -> BOOL {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == static_cast<DWORD>(pid)) PostMessageW(w, WM_CLOSE, 0, 0);
            return TRUE;
          },
          static_cast<LPARAM>(GetProcessId(process_)));
      if (WaitForSingleObject(process_, 10000) == WAIT_TIMEOUT) TerminateProcess(process_, 99);
    }
    CloseHandle(process_);
    process_ = nullptr;
  }

 private:
  static unsigned long& counter() {
    static unsigned long n = 0;
    return n;
  }
  HANDLE process_ = nullptr;
  bool started_ = false;
};

// Runs the stand-in for a one-shot command (--regserver) and returns its
// exit code.
inline DWORD runCadSim(const std::wstring& arguments) {
  CadSimProcess p(arguments, false);
  return p.wait();
}

inline int result(const char* name) {
  std::printf("%s: %s\n", name, failures() ? "FAILED" : "ok");
  return failures() ? 1 : 0;
}

}  // namespace surva::e2e
