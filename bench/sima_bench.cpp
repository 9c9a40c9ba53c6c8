// SIMA files of 1,000,000 point records: reading into both lists (decode,
// split, transfer with "×1000" and "X-Y 反転") and writing back (write list
// and save), as MB/s of the file, next to merely reading the same bytes from
// disk and one atomic write of them, in the same run. Prints the ratios last.
//
//   sima_bench [--records=1000000] [google benchmark flags]
//   sima_bench --read=FILE   reads one file into both lists and prints the
//                            record count or the message (for memory checks
//                            with /usr/bin/time -v on huge or odd files)
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>

#include "listing_only.h"
#include "platform/posix/iconv_codec.h"
#include "platform/posix/posix_files.h"
#include "sima/sima_reader.h"
#include "sima/sima_transfer.h"
#include "sima/sima_write_list.h"
#include "sima/sima_writer.h"

using namespace surva;

namespace {

// Answers the save dialog with `path` and every question with Yes.
class SaveTo : public platform::Dialogs {
 public:
  explicit SaveTo(text::u16 path) : path_(std::move(path)) {}
  platform::Answer messageBox(text::u16view, text::u16view, platform::Icon, platform::Buttons) override {
    return platform::Answer::Yes;
  }
  std::optional<text::u16> openFile(const platform::FileDialogRequest&) override { return path_; }
  std::optional<text::u16> saveFile(const platform::FileDialogRequest&) override { return path_; }

 private:
  text::u16 path_;
};

struct Fixture {
  std::filesystem::path dir = std::filesystem::temp_directory_path() / "surva-sima-bench";
  text::u16 readPath, writePath;
  platform::posix::PosixFileSystem fs;
  platform::posix::IconvCodec codec;
  ui::TextGrid mainList;
  std::string bytes;  // the file the SIMA write gives for mainList

  explicit Fixture(int records) : mainList(5, records + 1) {
    std::filesystem::create_directories(dir);
    readPath = text::fromUtf8((dir / "read.sim").string());
    writePath = text::fromUtf8((dir / "write.sim").string());
    for (int r = 1; r <= records; ++r) {
      mainList.setRowCells(r, {u"P" + text::intToText(r), text::intToText(30000000 + r * 7),
                               text::intToText(-5000000 + r * 13), text::intToText(r % 100000)});
    }
    ui::TextGrid write(6, 2);
    sima::BuildSimaWriteList(mainList, write, {});
    SaveTo dialogs(readPath);
    platform::Services services;
    services.dialogs = &dialogs;
    services.files = &fs;
    services.codec = &codec;
    sima::SaveSimaWriteList(write, services);
    bytes = *fs.readFile(readPath);
  }
  ~Fixture() { std::filesystem::remove_all(dir); }
};

std::unique_ptr<Fixture> fixture;

void setBytes(benchmark::State& s) { s.SetBytesProcessed(static_cast<std::int64_t>(s.iterations() * fixture->bytes.size())); }

void BM_PlainRead(benchmark::State& s) {
  for (auto _ : s) benchmark::DoNotOptimize(fixture->fs.readFile(fixture->readPath)->size());
  setBytes(s);
}

void BM_SimaRead(benchmark::State& s) {
  for (auto _ : s) {
    auto sima = std::make_unique<ui::TextGrid>(6, 5);
    auto main = std::make_unique<ui::TextGrid>(5, 5);
    sima::LoadSimaRecords(sima::ReadSimaPointRecords(fixture->fs, fixture->codec, fixture->readPath), *sima, *main,
                          {true, true});
    benchmark::DoNotOptimize(main->cell(1, 1).data());
    s.PauseTiming();
    sima.reset();
    main.reset();
    s.ResumeTiming();
  }
  setBytes(s);
}

void BM_SimaRecordsOnly(benchmark::State& s) {
  for (auto _ : s) {
    auto records = sima::ReadSimaPointRecords(fixture->fs, fixture->codec, fixture->readPath);
    benchmark::DoNotOptimize(records.data());
    s.PauseTiming();
    records = {};
    s.ResumeTiming();
  }
  setBytes(s);
}

void BM_PlainWrite(benchmark::State& s) {
  for (auto _ : s) fixture->fs.writeFileAtomic(fixture->writePath, fixture->bytes);
  setBytes(s);
}

void BM_SimaWrite(benchmark::State& s) {
  SaveTo dialogs(fixture->writePath);
  platform::Services services;
  services.dialogs = &dialogs;
  services.files = &fixture->fs;
  services.codec = &fixture->codec;
  for (auto _ : s) {
    auto write = std::make_unique<ui::TextGrid>(6, 5);
    sima::BuildSimaWriteList(fixture->mainList, *write, {});
    sima::SaveSimaWriteList(*write, services);
    s.PauseTiming();
    write.reset();
    s.ResumeTiming();
  }
  setBytes(s);
}

// Remembers each run's wall time and prints SIMA / plain at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  RatioReporter() : ConsoleReporter(OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const auto& run : runs) {
      if (run.run_type != Run::RT_Iteration) continue;
      std::string name = run.benchmark_name();
      name.erase(name.find('/'));
      times_[name] = run.GetAdjustedRealTime();
    }
  }
  void Finalize() override {
    ConsoleReporter::Finalize();
    std::printf("\nfile of %zu bytes; SIMA / plain (wall time), same run:\n", fixture->bytes.size());
    for (const char* what : {"Read", "Write"}) {
      double plain = times_[std::string("BM_Plain") + what], sima = times_[std::string("BM_Sima") + what];
      if (plain > 0) std::printf("  %-6s %8.1f x\n", what, sima / plain);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int readOne(const char* path) {
  platform::posix::PosixFileSystem fs;
  platform::posix::IconvCodec codec;
  ui::TextGrid sima(6, 5), main(5, 5);
  try {
    sima::LoadSimaRecords(sima::ReadSimaPointRecords(fs, codec, text::fromUtf8(path)), sima, main, {});
  } catch (const std::exception& e) {
    std::printf("%s\n", e.what());
    return 1;
  }
  std::printf("%d rows\n", main.rowCount() - 1);
  return 0;
}

int main(int argc, char** argv) {
  int records = 1000000;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--read=", 7) == 0) return readOne(argv[i] + 7);
    if (std::strncmp(argv[i], "--records=", 10) == 0)
      records = static_cast<int>(std::strtol(argv[i] + 10, nullptr, 10));
    else
      args.push_back(argv[i]);
  }
  if (!listingOnly(argc, argv)) fixture = std::make_unique<Fixture>(records);
  using Fn = void (*)(benchmark::State&);
  const std::pair<const char*, Fn> runs[] = {{"BM_PlainRead", BM_PlainRead},
                                             {"BM_SimaRead", BM_SimaRead},
                                             {"BM_SimaRecordsOnly", BM_SimaRecordsOnly},
                                             {"BM_PlainWrite", BM_PlainWrite},
                                             {"BM_SimaWrite", BM_SimaWrite}};
  for (auto [name, fn] : runs)
    benchmark::RegisterBenchmark(name, fn)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
  int n = static_cast<int>(args.size());
  benchmark::Initialize(&n, args.data());
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  fixture.reset();
  return 0;
}
