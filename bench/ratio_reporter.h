#pragma once
// A console reporter that remembers every run's CPU time per iteration and
// prints, at the end, how many times faster each "X_Fast" run was than its
// "X_Literal" twin (same arguments, same run).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  explicit RatioReporter(const char* heading) : ConsoleReporter(OO_Tabular), heading_(heading) {}  // no colours
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      // CPU time: the build machine is shared, so wall time is noisy.
      std::string name = run.benchmark_name();
      // The one-iteration runs carry "/iterations:1" in their name.
      if (auto at = name.find("/iterations:"); at != std::string::npos) name.erase(at);
      times_[name] = run.GetAdjustedCPUTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\n%s\n", heading_);
    for (const auto& [name, fast] : times_) {
      const auto at = name.find("_Fast");
      if (at == std::string::npos) continue;
      std::string literalName = name;
      literalName.replace(at, 5, "_Literal");
      auto it = times_.find(literalName);
      if (it == times_.end() || fast <= 0) continue;
      std::printf("  %-40s %10.1f x\n", name.substr(3, at - 3).append(name.substr(at + 5)).c_str(), it->second / fast);
    }
  }

 private:
  const char* heading_;
  std::map<std::string, double> times_;
};
