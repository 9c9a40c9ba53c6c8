// Plotting 100,000 points with all five kinds on, from the main list to the
// saved exchange DXF file, against writing the same bytes in one write call
// (the machine's limit) and against ezdxf writing the same entities (a peer,
// timed once). Prints the ratios of one run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include <unistd.h>

#include "dxf/plot_dxf.h"
#include "listing_only.h"
#include "platform/posix/iconv_codec.h"
#include "platform/posix/posix_files.h"
#include "points/working_array.h"
#include "text/number.h"
#include "ui/text_grid.h"

namespace {

using namespace surva;

constexpr int kPoints = 100000;

// The same list as bench/ezdxf_peer.py: groups of ten names.
ui::TextGrid makeList() {
  ui::TextGrid list(5, kPoints + 1);
  for (int i = 0; i < kPoints; ++i) {
    const double x = 10000.0 + (static_cast<long long>(i) * 7919 % 100003) * 0.137;
    const double y = -5000.0 + (static_cast<long long>(i) * 104729 % 100019) * 0.071;
    const double z = (i % 97) * 0.25;
    const int r = i + 1;
    list.setCell(0, r, text::ascii("P" + std::to_string(i / 10) + "-" + std::to_string(i % 10 + 1)));
    list.setCell(1, r, text::formatGeneral(x));
    list.setCell(2, r, text::formatGeneral(y));
    list.setCell(3, r, text::formatGeneral(z));
    list.setCell(4, r, text::intToText(r));
  }
  return list;
}

dxf::PlotSettings allKinds() {
  dxf::PlotSettings s;
  s.polylines = s.closed = s.threeD = true;
  s.separator = u"-";
  s.points = s.circles = s.names = s.coords = true;
  s.polylineLayer = u"SURVA_PLINE";
  s.pointLayer = u"SURVA_POINT";
  s.circleLayer = u"SURVA_CIRCLE";
  s.nameLayer = u"SURVA_TEXTPT";
  s.coordLayer = u"SURVA_TEXTXY";
  s.radius = u"0.5";
  s.nameHeight = u"2.5";
  s.coordHeight = u"1.8";
  s.labelDecimals = 3;
  return s;
}

struct Fixture {
  Fixture() : list(makeList()), settings(allKinds()) {
    dir = std::filesystem::temp_directory_path() / ("surva-plot-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    path = text::fromUtf8((dir / "surva.dxf").string());
  }
  ~Fixture() { std::filesystem::remove_all(dir); }
  ui::TextGrid list;
  dxf::PlotSettings settings;
  platform::posix::IconvCodec codec;
  platform::posix::PosixFileSystem files;
  std::filesystem::path dir;
  text::u16 path;
  std::string lastBytes;
};

Fixture& fixture() {
  static Fixture f;
  return f;
}

void BM_PlotListToFile(benchmark::State& state) {
  Fixture& f = fixture();
  for (auto _ : state) {
    points::TPlotDataArray working = points::FillWorkingArray(f.list, {true, f.settings.separator, true});
    dxf::PlotDxf plot = dxf::buildPlotDxf(working, f.list, f.settings, 1.0, f.codec);
    dxf::saveDxf(f.files, f.path, plot.dxf);
    state.counters["bytes"] = static_cast<double>(plot.dxf.bytes().size());
    if (f.lastBytes.empty()) f.lastBytes = plot.dxf.bytes();
  }
}
BENCHMARK(BM_PlotListToFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The machine's limit: the same bytes in one atomic write (write, fsync, rename).
void BM_WriteSameBytes(benchmark::State& state) {
  Fixture& f = fixture();
  if (f.lastBytes.empty()) {
    points::TPlotDataArray working = points::FillWorkingArray(f.list, {true, f.settings.separator, true});
    f.lastBytes = dxf::buildPlotDxf(working, f.list, f.settings, 1.0, f.codec).dxf.bytes();
  }
  for (auto _ : state) f.files.writeFileAtomic(f.path, f.lastBytes);
}
BENCHMARK(BM_WriteSameBytes)->Unit(benchmark::kMillisecond)->MinTime(2.0);

class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs)
      if (r.run_type == Run::RT_Iteration && !r.error_occurred)
      {
        seconds[r.run_name.function_name] = r.GetAdjustedRealTime() / 1000.0;  // unit is ms
        cpuSeconds[r.run_name.function_name] = r.GetAdjustedCPUTime() / 1000.0;
      }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> seconds;
  std::map<std::string, double> cpuSeconds;
};

// ezdxf writing the same entities, timed once by the script itself.
double ezdxfSeconds(const std::filesystem::path& out) {
  const std::string script = (std::filesystem::path(__FILE__).parent_path() / "ezdxf_peer.py").string();
  const std::string command = "/usr/bin/python3 " + script + " " + std::to_string(kPoints) + " " + out.string();
  FILE* p = ::popen(command.c_str(), "r");
  if (!p) return 0;
  char buf[64] = {};
  const bool read = std::fgets(buf, sizeof buf, p) != nullptr;
  ::pclose(p);
  return read ? std::atof(buf) : 0;
}

}  // namespace

int main(int argc, char** argv) {
  const bool listing = listingOnly(argc, argv);  // before Initialize takes the flags out
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  if (listing) return 0;
  const double plot = reporter.seconds["BM_PlotListToFile"];
  const double write = reporter.seconds["BM_WriteSameBytes"];
  const double plotCpu = reporter.cpuSeconds["BM_PlotListToFile"];
  const double writeCpu = reporter.cpuSeconds["BM_WriteSameBytes"];
  std::printf("\nplot of %d points, all five kinds, %zu bytes: %.3f s (CPU %.3f s)\n", kPoints,
              fixture().lastBytes.size(), plot, plotCpu);
  if (write > 0 && writeCpu > 0)
    std::printf("same bytes in one write call: %.4f s (CPU %.4f s); plot / write = %.1f (CPU %.1f)\n", write, writeCpu,
                plot / write, plotCpu / writeCpu);
  if (std::getenv("SURVA_BENCH_NO_PEER")) return 0;
  const double peer = ezdxfSeconds(fixture().dir / "peer.dxf");
  if (peer > 0 && plot > 0)
    std::printf("ezdxf, same entities (one run): %.2f s; ezdxf / plot = %.1f\n", peer, peer / plot);
  else
    std::printf("ezdxf peer not run (needs /usr/bin/python3 with python3-ezdxf)\n");
  benchmark::Shutdown();
  return 0;
}
