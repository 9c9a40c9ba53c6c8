#pragma once
// Starts the stand-in CAD server for an end-to-end test and stops it again.
#include <windows.h>

#include <cstdio>
#include <string>

#include "e2e.h"
#include "win32/com_automation.h"

namespace e2e {

inline std::wstring cadSimPath() { return toolExe(L"surva_cad_sim.exe"); }

inline std::wstring sheetSimPath() { return toolExe(L"surva_sheet_sim.exe"); }

// Runs the stand-in (the CAD unless `exe` names the spreadsheet) with
// `arguments` and waits until its application object is in the running
// object table (or it has exited).
class CadSimProcess {
 public:
  explicit CadSimProcess(const std::wstring& arguments, bool waitReady = true,
                         const std::wstring& exe = cadSimPath()) {
    wchar_t eventName[64];
    swprintf(eventName, 64, L"SurvaCadSimReady%lu_%lu", GetCurrentProcessId(), ++counter());
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, eventName);
    std::wstring command = L"\"" + exe + L"\" " + arguments;
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
  bool running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
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

// The application object a running stand-in published under `progId`;
// null when the ProgID is unknown or nothing runs under it.
inline surva::platform::ObjectPtr runningObject(surva::win32::ComAutomation& automation, std::u16string_view progId) {
  auto classId = automation.classFromProgId(progId);
  return classId ? automation.activeObject(*classId) : nullptr;
}

// Runs the stand-in for a one-shot command (--regserver) and returns its
// exit code.
inline DWORD runCadSim(const std::wstring& arguments) {
  CadSimProcess p(arguments, false);
  return p.wait();
}

}  // namespace e2e
