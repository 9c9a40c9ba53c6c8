// What the DISPID cache saves: microseconds per cross-process property read
// from the stand-in CAD, with names looked up once (as the program does) and
// on every call. One run, the median of 100 reads each, the two kinds
// alternating; run under Wine with
//   scripts/com-bench.sh
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "win32/com_object.h"

namespace {

constexpr int kReads = 100;

double nowMicroseconds() {
  static LARGE_INTEGER freq = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) * 1e6 / static_cast<double>(freq.QuadPart);
}

double timedRead(surva::platform::Object& app) {
  double start = nowMicroseconds();
  app.get(u"HWND");
  return nowMicroseconds() - start;
}

double median(std::vector<double> times) {
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

std::wstring standInPath() {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path(self);
  return path.substr(0, path.find_last_of(L"\\/") + 1) + L"surva_cad_sim.exe";
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace surva;
  win32::ComApartment com;
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, L"SurvaComBenchReady");
  std::wstring command = L"\"" + standInPath() + L"\" --progid SurvaSim.Bench --register --ready-event SurvaComBenchReady";
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::printf("cannot start the stand-in CAD\n");
    return 1;
  }
  HANDLE both[] = {ready, pi.hProcess};
  if (WaitForMultipleObjects(2, both, FALSE, 20000) != WAIT_OBJECT_0) {
    std::printf("the stand-in CAD did not start\n");
    return 1;
  }
  int code = 0;
  {
    win32::ComAutomation automation;
    auto classId = automation.classFromProgId(u"SurvaSim.Bench");
    auto app = classId ? automation.activeObject(*classId) : nullptr;
    if (!app) {
      std::printf("no stand-in CAD in the running object table\n");
      code = 1;
    } else {
      auto& cached = static_cast<win32::ComObject&>(*app);
      win32::ComObject uncached(cached.dispatch(), false);
      cached.get(u"HWND");  // the one lookup, and a warm connection
      // Alternating, so that a busy machine slows both alike.
      std::vector<double> cachedTimes, uncachedTimes;
      for (int i = 0; i < kReads; ++i) {
        cachedTimes.push_back(timedRead(cached));
        uncachedTimes.push_back(timedRead(uncached));
      }
      double withCache = median(cachedTimes);
      double withoutCache = median(uncachedTimes);
      std::printf("cross-process property read (median of %d each, one run)\n", kReads);
      std::printf("  DISPID cached:            %8.0f us\n", withCache);
      std::printf("  GetIDsOfNames every call: %8.0f us\n", withoutCache);
      std::printf("  uncached / cached:        %8.2f\n", withoutCache / withCache);
      app->call(u"SimQuit");
    }
  }
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  CloseHandle(ready);
  return code;
}
