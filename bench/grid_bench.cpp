// Painting one screen of the main list and moving its cursor must cost the
// same for 10 rows as for 100,000: compare the two sizes of each benchmark.
#include <benchmark/benchmark.h>

#include "text/u16.h"
#include "ui/controls.h"

namespace {

using namespace surva;

struct ListForm {
  explicit ListForm(int dataRows) : grid(form.create<ui::StringGrid>(u"StringGrid1")) {
    grid.setBounds({0, 226, 380, 168});
    grid.setDefaultRowHeight(19);
    grid.setDefaultColWidth(71);
    grid.setScrollBars(ui::ScrollBars::Vertical);
    grid.cells().setColCount(5);
    grid.cells().setRowCount(dataRows + 1);
    {
      ui::TextGrid::BatchUpdate batch(grid.cells());
      for (int r = 1; r <= dataRows; ++r) {
        grid.cells().setCell(0, r, u"A-" + text::intToText(r));
        grid.cells().setCell(1, r, u"-12345.678");
        grid.cells().setCell(2, r, u"98765.432");
        grid.cells().setCell(4, r, text::intToText(r));
      }
    }
    // Like the main list's rule: coordinates right-aligned, PLOT No. greyed.
    grid.onDrawCell = [](int col, int row, const ui::CellState&, ui::CellStyle& s) {
      if (row == 0 || col == 0) return;
      if (col == 4 && row % 2 == 0) s.background = ui::colors::Grey;
      s.align = ui::Align::Right;
      s.insetRight = 4;
    };
  }
  ui::Form form{u"Form1"};
  ui::StringGrid& grid;
};

void BM_PaintScreen(benchmark::State& state) {
  ListForm f(static_cast<int>(state.range(0)));
  f.grid.setTopRow(static_cast<int>(state.range(0)) / 2);
  for (auto _ : state) {
    std::size_t chars = 0;
    int last = std::min(f.grid.cells().rowCount(), f.grid.topRow() + f.grid.visibleDataRows() + 1);
    for (int r = f.grid.topRow(); r < last; ++r)
      for (int c = 0; c < f.grid.cells().colCount(); ++c) {
        ui::CellStyle s = f.grid.cellStyle(c, r);
        chars += f.grid.cells().cell(c, r).size() + s.insetRight;
      }
    benchmark::DoNotOptimize(chars);
  }
}
BENCHMARK(BM_PaintScreen)->Arg(10)->Arg(100000);

void BM_CursorDown(benchmark::State& state) {
  ListForm f(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    if (f.grid.cells().row() == f.grid.cells().rowCount() - 1) f.grid.selectCell(0, 1);
    f.grid.keyDown(ui::keys::Down);
  }
}
BENCHMARK(BM_CursorDown)->Arg(10)->Arg(100000);

}  // namespace

BENCHMARK_MAIN();
