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

#include "bench_support.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "win32/com_object.h"

namespace {

constexpr int kReads = 100;

double timedRead(surva::platform::Object& app) {
  double start = surva::tools::nowMicroseconds();
  app.get(u"HWND");
  return surva::tools::nowMicroseconds() - start;
}

double median(std::vector<double> times) {
  std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
  return times[times.size() / 2];
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace surva;
  win32::ComApartment com;
  tools::StandInProcess standIn(L"surva_cad_sim.exe", L"--progid SurvaSim.Bench --register", "the stand-in CAD");
  if (!standIn.ok()) return 1;
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
  return code;
}
