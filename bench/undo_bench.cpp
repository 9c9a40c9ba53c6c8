// Undo steps on a list of 100,000 rows: 100 single-cell edits must hold
// under 1 % of the list's own memory, and any undo or redo must take well
// under 50 ms. Beside them, a whole-list sort's step, and what a step that
// copied the whole list would cost ("_Literal") against the log ("_Fast").
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

#include "app/undo_history.h"
#include "points/list_sort.h"
#include "ratio_reporter.h"
#include "text/u16.h"
#include "ui/controls.h"
#include "ui/grid_edit_log.h"

namespace {

using namespace surva;
constexpr int kRows = 100000;

struct List {
  List() : grid(form.create<ui::StringGrid>(u"StringGrid1")) {
    grid.cells().setColCount(5);
    grid.cells().setRowCount(kRows + 1);
    // Names out of order, so the sort moves nearly every row.
    for (int r = 1; r <= kRows; ++r)
      grid.cells().setRowCells(r, {u"A-" + text::intToText((r * 7919) % kRows), u"-12345.678", u"98765.432",
                                   u"12.500", text::intToText(r)});
    history = std::make_unique<app::UndoHistory>(std::vector<ui::StringGrid*>{&grid}, std::vector<ui::CheckBox*>{},
                                                 nullptr);
  }
  std::size_t bytes() const {
    std::size_t n = 0;
    for (int r = 0; r < grid.cells().rowCount(); ++r) n += ui::rowBytes(grid.cells().rowCells(r));
    return n;
  }
  ui::Form form{u"Form1"};
  ui::StringGrid& grid;
  std::unique_ptr<app::UndoHistory> history;
};

double msSince(std::chrono::steady_clock::time_point t) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

// 100 edits as commands, then 100 undos and 100 redos, each timed.
void BM_HundredCellEdits(benchmark::State& state) {
  List l;
  double worst = 0, total = 0;
  std::size_t stepBytes = 0;
  int round = 0;
  for (auto _ : state) {
    // A new text each round: writing the same text again is no step.
    const text::u16 typed = u"-54321.87" + text::intToText(round++);
    for (int i = 0; i < 100; ++i) {
      app::UndoHistory::Scope step(*l.history, u"セルの編集");
      l.grid.cells().setCell(1, 1 + i * 997, typed);
    }
    stepBytes = l.history->bytes();
    for (int pass = 0; pass < 2; ++pass)
      for (int i = 0; i < 100; ++i) {
        const auto t = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(pass == 0 ? l.history->undo() : l.history->redo());
        const double ms = msSince(t);
        worst = std::max(worst, ms);
        total += ms;
      }
    l.history->clear();
  }
  const double listBytes = static_cast<double>(l.bytes());
  state.counters["list_MB"] = listBytes / 1e6;
  state.counters["steps_KB"] = static_cast<double>(stepBytes) / 1e3;
  state.counters["steps_pct"] = 100.0 * static_cast<double>(stepBytes) / listBytes;
  state.counters["mean_ms"] = total / (200.0 * static_cast<double>(state.iterations()));
  state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_HundredCellEdits)->Unit(benchmark::kMillisecond)->Iterations(3);

// A whole-list sort: its step, and one undo and one redo of it.
void BM_SortStep(benchmark::State& state) {
  List l;
  double worst = 0;
  std::size_t stepBytes = 0;
  for (auto _ : state) {
    {
      app::UndoHistory::Scope step(*l.history, u"測点名でソート");
      points::SortByStationName(l.grid.cells(), 0);
    }
    stepBytes = l.history->bytes();
    for (int pass = 0; pass < 2; ++pass) {
      const auto t = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(pass == 0 ? l.history->undo() : l.history->redo());
      worst = std::max(worst, msSince(t));
    }
    l.history->undo();  // the next sort starts from the same order
    l.history->clear();
  }
  const double listBytes = static_cast<double>(l.bytes());
  state.counters["steps_KB"] = static_cast<double>(stepBytes) / 1e3;
  state.counters["steps_pct"] = 100.0 * static_cast<double>(stepBytes) / listBytes;
  state.counters["worst_ms"] = worst;
}
BENCHMARK(BM_SortStep)->Unit(benchmark::kMillisecond)->Iterations(3);

// One cell edit and its undo: by the log, and by a copy of the whole list
// taken before the command and put back (what a snapshot step would do).
void BM_EditAndUndo_Fast(benchmark::State& state) {
  List l;
  for (auto _ : state) {
    {
      app::UndoHistory::Scope step(*l.history, u"セルの編集");
      l.grid.cells().setCell(1, kRows / 2, u"1.000");
    }
    l.history->undo();
    l.history->clear();
  }
}
BENCHMARK(BM_EditAndUndo_Fast)->Unit(benchmark::kMillisecond);

void BM_EditAndUndo_Literal(benchmark::State& state) {
  List l;
  l.history.reset();
  for (auto _ : state) {
    std::vector<std::vector<text::u16>> copy;
    copy.reserve(static_cast<std::size_t>(l.grid.cells().rowCount()));
    for (int r = 0; r < l.grid.cells().rowCount(); ++r) copy.push_back(l.grid.cells().rowCells(r));
    l.grid.cells().setCell(1, kRows / 2, u"1.000");
    l.grid.cells().replaceRows(std::move(copy));
  }
}
BENCHMARK(BM_EditAndUndo_Literal)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter("whole-list copy / edit log (CPU time), one edit and its undo, 100,000 rows, same run:");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
