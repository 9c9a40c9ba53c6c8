// The list's name sorts and repeated-row removal against the old quadratic
// procedures, on survey-like lists with many equal keys. Prints, after the
// usual table, how many times faster each command is than the old procedure.
//
//   list_sort_bench [--literal_max=100000] [google benchmark flags]
// --literal_max limits the sizes at which the old procedures run (they take
// minutes at 100,000 rows).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <random>
#include <string>

#include "../tests/points/literal_procedures.h"
#include "points/list_commands.h"
#include "ratio_reporter.h"
#include "points/list_sort.h"

using namespace surva;

namespace {

// Names as a harvest gives them: a few prefixes, numbers up to n/4 (so most
// keys repeat), some with leading zeros; about a third of the rows repeat
// an earlier row exactly.
ui::TextGrid surveyList(int rows) {
  std::mt19937 rng(2024);
  static const char16_t* prefixes[] = {u"A-", u"B-", u"NO.", u"P", u"ST", u"", u"a-", u"T"};
  std::uniform_int_distribution<int> prefix(0, 7);
  std::uniform_int_distribution<int> number(0, std::max(1, rows / 4));
  std::uniform_int_distribution<int> percent(0, 99);
  ui::TextGrid g(5, rows + 1);
  for (int r = 1; r <= rows; ++r) {
    if (r > 1 && percent(rng) < 33) {
      g.setRowCells(r, g.rowCells(std::uniform_int_distribution<int>(1, r - 1)(rng)));
      continue;
    }
    const int n = number(rng);
    text::u16 name = prefixes[prefix(rng)];
    if (percent(rng) < 10) name += u"0";
    if (n > 0) name += text::intToText(n);
    g.setCell(0, r, name);
    g.setCell(1, r, text::intToText(number(rng)) + u".000");
    g.setCell(2, r, text::intToText(number(rng)) + u".500");
    g.setCell(3, r, percent(rng) < 50 ? text::u16() : u"12.3");
  }
  return g;
}

const ui::TextGrid& listOf(int rows) {
  static std::map<int, ui::TextGrid> lists;
  auto it = lists.find(rows);
  if (it == lists.end()) it = lists.emplace(rows, surveyList(rows)).first;
  return it->second;
}

template <class Command>
void runOnCopies(benchmark::State& state, Command command) {
  const ui::TextGrid& original = listOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    ui::TextGrid g = original;
    state.ResumeTiming();
    command(g);
    benchmark::DoNotOptimize(g.cell(0, 1).data());
  }
}

void BM_NameSort_Fast(benchmark::State& s) { runOnCopies(s, [](ui::TextGrid& g) { points::SortByStationName(g, 0); }); }
void BM_NameSort_Literal(benchmark::State& s) { runOnCopies(s, [](ui::TextGrid& g) { literal::sortByStationName(g, 0); }); }
void BM_NumberSort_Fast(benchmark::State& s) { runOnCopies(s, [](ui::TextGrid& g) { points::SortByStationNumber(g, 0); }); }
void BM_NumberSort_Literal(benchmark::State& s) { runOnCopies(s, [](ui::TextGrid& g) { literal::sortByStationNumber(g, 0); }); }
void BM_RepeatedRows_Fast(benchmark::State& s) { runOnCopies(s, [](ui::TextGrid& g) { points::RemoveRepeatedRows(g); }); }
void BM_RepeatedRows_Literal(benchmark::State& s) { runOnCopies(s, [](ui::TextGrid& g) { literal::removeRepeatedRows(g); }); }

}  // namespace

int main(int argc, char** argv) {
  long literalMax = 100000;
  std::vector<char*> args;
  for (int i = 0; i < argc; ++i) {
    if (std::strncmp(argv[i], "--literal_max=", 14) == 0)
      literalMax = std::strtol(argv[i] + 14, nullptr, 10);
    else
      args.push_back(argv[i]);
  }
  for (long rows : {10000L, 100000L}) {
    const bool literal = rows <= literalMax;
    auto reg = [&](const char* name, void (*fn)(benchmark::State&), bool isLiteral) {
      if (isLiteral && !literal) return;
      auto* b = benchmark::RegisterBenchmark(name, fn)->Arg(rows)->Unit(benchmark::kMillisecond);
      if (isLiteral && rows > 10000) b->Iterations(1);  // minutes each
    };
    reg("BM_NameSort_Fast", BM_NameSort_Fast, false);
    reg("BM_NameSort_Literal", BM_NameSort_Literal, true);
    reg("BM_NumberSort_Fast", BM_NumberSort_Fast, false);
    reg("BM_NumberSort_Literal", BM_NumberSort_Literal, true);
    reg("BM_RepeatedRows_Fast", BM_RepeatedRows_Fast, false);
    reg("BM_RepeatedRows_Literal", BM_RepeatedRows_Literal, true);
  }
  int n = static_cast<int>(args.size());
  benchmark::Initialize(&n, args.data());
  RatioReporter reporter("old procedure / new (CPU time), same list, same run:");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
