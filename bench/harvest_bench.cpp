// The station-name search against the search over every text, 20,000 rows
// by 20,000 texts, and the whole listing of 100,000 polyline vertices with
// the search on. Prints, after the usual table, how many times faster the
// indexed search is, in CPU time measured in this one run.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>

#include "../tests/cad/literal_name_search.h"
#include "cad/list_from_store.h"
#include "points/list_commands.h"
#include "ratio_reporter.h"

using namespace surva;

namespace {

// A survey as a harvest gives it: points about 10 apart along traverses
// and in dense clusters, each with its station name about 1 away in a
// random direction and justification, and some stray texts (notes with
// commas, labels far from any point).
cad::HarvestStore survey(int points, int texts) {
  std::mt19937 rng(2024);
  std::uniform_real_distribution<double> unit(-1, 1);
  cad::HarvestStore s;
  for (int i = 0; i < points; ++i) {
    const bool cluster = i % 5 == 0;
    const double x = cluster ? 5000 + 30 * unit(rng) : (i % 400) * 10.0 + unit(rng);
    const double y = cluster ? 5000 + 30 * unit(rng) : (i / 400) * 10.0 + unit(rng);
    cad::TLwpEle v;
    v.code10 = {x, y, 12.5};
    s.vertices.push_back(v);
  }
  for (int i = 0; i < texts; ++i) {
    const cad::TAcadPoint& near = s.vertices[static_cast<std::size_t>(i) % s.vertices.size()].code10;
    cad::TTextBlk t;
    t.str = (i % 50 == 0 ? u"No.1,2" : u"T-") + text::intToText(i);
    t.pt10 = {near.x + unit(rng), near.y + unit(rng), 0};
    t.pt11 = {near.x + unit(rng), near.y + unit(rng), 0};
    t.code72 = static_cast<std::int16_t>(i % 3 == 0 ? 2 : 0);
    t.layer = i % 2 ? u"TXT" : u"0";
    s.texts.push_back(std::move(t));
  }
  return s;
}

cad::ListingOptions listing(bool layerFilter) {
  cad::ListingOptions o;
  o.vertices = true;
  o.decimals = 3;
  o.nameSearch = true;
  o.range = 5;
  o.layerFilter = layerFilter;
  o.layer = u"txt";
  return o;
}

// The list before the search: every vertex listed, no names.
struct Case {
  cad::HarvestStore store;
  ui::TextGrid list;
};
const Case& caseOf(int rows, int texts) {
  static std::map<std::pair<int, int>, Case> cases;
  auto it = cases.find({rows, texts});
  if (it == cases.end()) {
    Case c{survey(rows, texts), {}};
    cad::ListingOptions o = listing(false);
    o.nameSearch = false;
    cad::FillListFromStore(c.store, o, c.list);
    it = cases.emplace(std::make_pair(rows, texts), std::move(c)).first;
  }
  return it->second;
}

template <class Search>
void searchOnCopies(benchmark::State& state, Search search) {
  const Case& c = caseOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const cad::ListingOptions o = listing(state.range(2) != 0);
  for (auto _ : state) {
    state.PauseTiming();
    ui::TextGrid g = c.list;
    state.ResumeTiming();
    search(c.store, o, g);
    benchmark::DoNotOptimize(g.cell(0, 1).data());
  }
}

void BM_NameSearch_Fast(benchmark::State& s) { searchOnCopies(s, cad::NameRowsAfterNearestTexts); }
void BM_NameSearch_Literal(benchmark::State& s) { searchOnCopies(s, literal::nameRowsAfterNearestTexts); }

// What "CADから" does after reading: fill, name, number, sort, tidy.
void BM_Listing(benchmark::State& state) {
  const Case& c = caseOf(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  for (auto _ : state) {
    ui::TextGrid g(5, 2);
    cad::FillListFromStore(c.store, listing(false), g);
    points::SortListByStationName(g);
    points::RemoveRepeatedRows(g);
    benchmark::DoNotOptimize(g.cell(0, 1).data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  // Arguments: rows, texts, layer filter.
  for (int filter : {0, 1}) {
    benchmark::RegisterBenchmark("BM_NameSearch_Fast", BM_NameSearch_Fast)
        ->Args({20000, 20000, filter})
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_NameSearch_Literal", BM_NameSearch_Literal)
        ->Args({20000, 20000, filter})
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);  // seconds each
  }
  benchmark::RegisterBenchmark("BM_Listing", BM_Listing)->Args({100000, 20000})->Unit(benchmark::kMillisecond);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter("search over every text / indexed search (CPU time), same rows and texts, same run:");
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
