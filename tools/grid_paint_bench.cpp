// How long the string grid takes to paint one screen of a 100,000-row list
// (the main list's size and columns), and to scroll and repaint through
// the window system. Prints the figures; run under Wine with
//   scripts/grid-bench.sh
#include <windows.h>

#include <cstdio>

#include "bench_support.h"
#include "ui/controls.h"
#include "win32/backend.h"
#include "win32/grid_window.h"

namespace {

double now() { return surva::tools::nowMicroseconds() / 1e6; }

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  using namespace surva;
  constexpr int kRows = 100000;
  win32::Win32Backend backend(instance);
  ui::Form form(u"GridBench", &backend);
  form.setBounds({0, 0, 391, 464});
  form.setBorderStyle(ui::BorderStyle::Single);
  form.setFont({.name = u"ＭＳ Ｐゴシック", .sizePx = 12});
  auto& grid = form.create<ui::StringGrid>(u"StringGrid1");
  grid.setBounds({0, 226, 380, 168});
  grid.setFont({.name = u"ＭＳ ゴシック", .sizePx = 12});
  grid.setScrollBars(ui::ScrollBars::Vertical);
  grid.setDefaultRowHeight(19);
  grid.setOptions({.editing = true, .rangeSelect = true, .colMove = true, .flat = true});
  {
    ui::TextGrid::BatchUpdate batch(grid.cells());
    grid.cells().setColCount(5);
    grid.cells().setRowCount(kRows + 1);
    grid.setDefaultColWidth(71);
    for (int r = 1; r <= kRows; ++r)
      grid.cells().setRowCells(r, {u"A-" + text::intToText(r), u"-12345.678", u"23456.789", u"12.345", text::intToText(r)});
  }
  // Grey PLOT No. column and right-aligned numbers, as the program paints.
  grid.onDrawCell = [](int col, int row, const ui::CellState& s, ui::CellStyle& style) {
    if (row == 0) return;
    if (col >= 1 && col <= 3) style.align = ui::Align::Right;
    if (col == 4 && !s.selected) style.background = {192, 192, 192};
  };
  form.show();
  auto* view = dynamic_cast<win32::GridWindow*>(win32::Win32Backend::peerOf(&grid));
  if (!view) {
    std::printf("no grid window\n");
    return 1;
  }
  backend.processMessages();

  RECT client;
  GetClientRect(view->hwnd(), &client);
  HDC screen = GetDC(view->hwnd());
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(mem, bmp);

  // Paint one screen at tops spread over the whole list.
  constexpr int kPaints = 400;
  double paintTotal = 0;
  for (int i = 0; i < kPaints; ++i) {
    grid.setTopRow(1 + static_cast<int>((static_cast<long long>(i) * kRows) / kPaints));
    double t0 = now();
    view->paint(mem, client);
    paintTotal += now() - t0;
  }
  double paintMs = paintTotal * 1000.0 / kPaints;

  // Scroll by the thumb and repaint through the window (what dragging does).
  constexpr int kScrolls = 200;
  double t0 = now();
  for (int i = 0; i < kScrolls; ++i) {
    SendMessageW(view->hwnd(), WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    RedrawWindow(view->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  }
  double scrollMs = (now() - t0) * 1000.0 / kScrolls;

  win32::PaintRange range = win32::paintRange(grid, 0, 380, 168);
  std::printf("grid of %d rows x 5 columns, %d rows on screen\n", kRows, range.lastRow - range.firstRow + 1);
  std::printf("paint one screen: %.3f ms (mean of %d)\n", paintMs, kPaints);
  std::printf("page down + repaint through the window: %.3f ms (mean of %d)\n", scrollMs, kScrolls);
  std::fflush(stdout);

  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(view->hwnd(), screen);
  return 0;
}
