#pragma once
// What the benchmark programs share: a clock, and a stand-in server started
// beside them for one run.
#include <windows.h>

#include <cstdio>
#include <string>

namespace surva::tools {

// Microseconds from the performance counter (an arbitrary start).
inline double nowMicroseconds() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(freq.QuadPart);
}

// A stand-in server, the program `exeName` beside this one, started with
// `arguments` and waited for (20 s at most) until it has published its
// object. `what` names it in the lines printed when it does not start.
// The benchmark asks it to quit; the destructor gives it 10 s to end and
// ends one that never became ready.
class StandInProcess {
 public:
  StandInProcess(const wchar_t* exeName, const std::wstring& arguments, const char* what) {
    // Named after this process, so that two benchmarks never share it.
    const std::wstring readyEvent = L"SurvaBenchStandInReady" + std::to_wstring(GetCurrentProcessId());
    ready_ = CreateEventW(nullptr, TRUE, FALSE, readyEvent.c_str());
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring folder(self);
    folder = folder.substr(0, folder.find_last_of(L"\\/") + 1);
    std::wstring command = L"\"" + folder + exeName + L"\" " + arguments + L" --ready-event " + readyEvent;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    started_ = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process_);
    if (!started_) {
      std::printf("cannot start %s\n", what);
      return;
    }
    HANDLE both[] = {ready_, process_.hProcess};
    ok_ = WaitForMultipleObjects(2, both, FALSE, 20000) == WAIT_OBJECT_0;
    if (!ok_) std::printf("%s did not start\n", what);
  }
  ~StandInProcess() {
    if (started_) {
      if (!ok_) TerminateProcess(process_.hProcess, 1);
      WaitForSingleObject(process_.hProcess, 10000);
      CloseHandle(process_.hProcess);
      CloseHandle(process_.hThread);
    }
    if (ready_) CloseHandle(ready_);
  }
  StandInProcess(const StandInProcess&) = delete;
  StandInProcess& operator=(const StandInProcess&) = delete;

  // Started and ready.
  bool ok() const { return ok_; }

 private:
  HANDLE ready_ = nullptr;
  PROCESS_INFORMATION process_{};
  bool started_ = false;
  bool ok_ = false;
};

}  // namespace surva::tools
