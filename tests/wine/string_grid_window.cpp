// The string grid window in this process: scrolling a 100,000-row list,
// virtual painting, keyboard and mouse selection, the in-place editor,
// column move and resize, painting through the style callback, and the
// probe messages drivers read cells with.
#include "e2e.h"

#include <commctrl.h>

#include "ui/controls.h"
#include "win32/backend.h"
#include "win32/grid_window.h"

namespace {

using namespace surva;
using win32::GridWindow;

struct Fixture {
  win32::Win32Backend backend{GetModuleHandleW(nullptr)};
  ui::Form form{u"GridTest", &backend};
  ui::StringGrid& grid;
  GridWindow* view = nullptr;

  explicit Fixture(ui::GridOptions options, int rows, int cols = 5, int colWidth = 71)
      : grid(form.create<ui::StringGrid>(u"Grid")) {
    form.setBounds({0, 0, 400, 300});
    form.setBorderStyle(ui::BorderStyle::Single);
    grid.setBounds({0, 0, 380, 168});
    grid.setDefaultRowHeight(19);
    grid.setScrollBars(ui::ScrollBars::Both);
    grid.setOptions(options);
    {
      ui::TextGrid::BatchUpdate batch(grid.cells());
      grid.cells().setColCount(cols);
      grid.cells().setRowCount(rows);
      grid.setDefaultColWidth(colWidth);
      for (int c = 0; c < cols; ++c) grid.cells().setCell(c, 0, u"H" + text::intToText(c));
      for (int r = 1; r < rows; ++r) grid.cells().setCell(0, r, u"R" + text::intToText(r));
    }
    form.show();
    view = dynamic_cast<GridWindow*>(win32::Win32Backend::peerOf(&grid));
    pump();
  }
  HWND hwnd() const { return view->hwnd(); }
  void pump() { backend.processMessages(); }
  long long info(win32::GridInfo what) { return e2e::gridInfo(hwnd(), what); }
  void key(WPARAM vk, bool shift = false, bool ctrl = false) {
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(state);
    HWND target = GetFocus() ? GetFocus() : hwnd();
    SendMessageW(target, WM_KEYDOWN, vk, 0);
    state[VK_SHIFT] = state[VK_CONTROL] = 0;
    SetKeyboardState(state);
    pump();
  }
  void type(const wchar_t* s) {
    for (; *s; ++s) {
      HWND target = GetFocus() ? GetFocus() : hwnd();
      SendMessageW(target, WM_CHAR, *s, 0);
      pump();
    }
  }
  // Mouse at the middle of a cell (col, row as shown, header = row 0 on screen).
  LPARAM at(int x, int y) { return MAKELPARAM(x, y); }
  void mouse(UINT msg, int x, int y) {
    SendMessageW(hwnd(), msg, msg == WM_LBUTTONUP ? 0 : MK_LBUTTON, at(x, y));
    pump();
  }
};

void bigListScrolls() {
  Fixture f({.editing = true, .rangeSelect = true, .flat = true}, 100001);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  E2E_CHECK(GetScrollInfo(f.hwnd(), SB_VERT, &si));
  E2E_CHECK_EQ(si.nMax, 100000);
  E2E_CHECK_EQ(si.nPos, 1);
  E2E_CHECK(GetWindowLongW(f.hwnd(), GWL_STYLE) & WS_VSCROLL);
  E2E_CHECK(!(GetWindowLongW(f.hwnd(), GWL_STYLE) & WS_HSCROLL));  // five columns fit

  int page = f.grid.visibleDataRows();
  SendMessageW(f.hwnd(), WM_VSCROLL, SB_PAGEDOWN, 0);
  E2E_CHECK_EQ(f.info(win32::kGridInfoTopRow), 1LL + page);
  SendMessageW(f.hwnd(), WM_VSCROLL, SB_BOTTOM, 0);
  E2E_CHECK_EQ(f.info(win32::kGridInfoTopRow), 100001LL - page);
  si.fMask = SIF_POS;
  GetScrollInfo(f.hwnd(), SB_VERT, &si);
  E2E_CHECK_EQ(si.nPos, 100001 - page);  // beyond 16 bits: the 32-bit position is used
  SendMessageW(f.hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  E2E_CHECK(f.info(win32::kGridInfoTopRow) < 100001LL - page);

  // Only the rows on screen are painted, wherever the list is scrolled.
  win32::PaintRange r = win32::paintRange(f.grid, 0, 380, 168);
  E2E_CHECK(r.lastRow - r.firstRow + 1 <= (168 - 19) / 19 + 1);
  E2E_CHECK_EQ(r.firstRow, f.grid.topRow());
  E2E_CHECK_EQ(r.lastCol, 4);
  SendMessageW(f.hwnd(), WM_VSCROLL, SB_TOP, 0);
  E2E_CHECK_EQ(f.info(win32::kGridInfoTopRow), 1LL);
}

void keyboardMovesAndSelects() {
  Fixture f({.editing = true, .rangeSelect = true}, 50);
  SetFocus(f.hwnd());
  f.key(VK_DOWN);
  f.key(VK_DOWN);
  f.key(VK_RIGHT);
  E2E_CHECK_EQ(f.info(win32::kGridInfoRow), 3LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoCol), 1LL);
  f.key(VK_DOWN, true);
  f.key(VK_RIGHT, true);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelLeft), 1LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelTop), 3LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelRight), 2LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelBottom), 4LL);
  f.key(VK_HOME);
  E2E_CHECK_EQ(f.info(win32::kGridInfoCol), 0LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelBottom), 4LL);  // a plain move collapses the selection
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelTop), 4LL);
  f.key(VK_NEXT);
  E2E_CHECK_EQ(f.info(win32::kGridInfoRow), 4LL + f.grid.visibleDataRows());
  E2E_CHECK(f.info(win32::kGridInfoTopRow) > 1);  // the current row is scrolled into view
  f.key(VK_END, false, true);
  E2E_CHECK_EQ(f.info(win32::kGridInfoRow), 49LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoCol), 4LL);
  f.key(VK_TAB);  // at the very last cell Tab stays
  E2E_CHECK_EQ(f.info(win32::kGridInfoCol), 4LL);
  f.key(VK_HOME, false, true);
  E2E_CHECK_EQ(f.info(win32::kGridInfoRow), 1LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoTopRow), 1LL);
  f.key(VK_UP);  // the header row is never current
  E2E_CHECK_EQ(f.info(win32::kGridInfoRow), 1LL);
  f.key(VK_TAB);
  f.key(VK_TAB);
  E2E_CHECK_EQ(f.info(win32::kGridInfoCol), 2LL);
  f.key(VK_TAB, true);
  E2E_CHECK_EQ(f.info(win32::kGridInfoCol), 1LL);
}

void editorEdits() {
  Fixture f({.editing = true, .rangeSelect = true}, 10);
  SetFocus(f.hwnd());
  f.key(VK_F2);
  E2E_CHECK_EQ(f.info(win32::kGridInfoEditing), 1LL);
  E2E_CHECK(GetFocus() != f.hwnd() && GetParent(GetFocus()) == f.hwnd());  // the editor has focus
  f.type(L"x");
  f.key(VK_RETURN);
  E2E_CHECK_EQ(f.info(win32::kGridInfoEditing), 0LL);
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 0, 1), std::wstring(L"R1x"));  // F2 keeps the text
  E2E_CHECK(GetFocus() == f.hwnd());

  f.type(L"測点");  // a typed character replaces the text
  E2E_CHECK_EQ(f.info(win32::kGridInfoEditing), 1LL);
  f.key(VK_DOWN);  // commits and moves
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 0, 1), std::wstring(L"測点"));
  E2E_CHECK_EQ(f.info(win32::kGridInfoRow), 2LL);
  f.type(L"zz");
  f.key(VK_ESCAPE);
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 0, 2), std::wstring(L"R2"));
  f.type(L"q");
  SetFocus(nullptr);  // leaving the grid keeps what was typed
  f.pump();
  E2E_CHECK_EQ(f.info(win32::kGridInfoEditing), 0LL);
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 0, 2), std::wstring(L"q"));

  // WM_GETTEXT of the probed cell, cut to the caller's buffer.
  wchar_t small[3];
  e2e::send(f.hwnd(), RegisterWindowMessageW(win32::kGridProbeMessage), 0, 1);
  LRESULT n = SendMessageW(f.hwnd(), WM_GETTEXT, 3, reinterpret_cast<LPARAM>(small));
  E2E_CHECK_EQ(n, LRESULT{2});
  E2E_CHECK_EQ(std::wstring(small), std::wstring(L"測点"));
  E2E_CHECK_EQ(SendMessageW(f.hwnd(), WM_GETTEXTLENGTH, 0, 0), LRESULT{2});
}

void readOnlyGridDoesNotEdit() {
  Fixture f({.rangeSelect = true, .colSizing = true}, 10);
  SetFocus(f.hwnd());
  f.key(VK_F2);
  f.type(L"a");
  E2E_CHECK_EQ(f.info(win32::kGridInfoEditing), 0LL);
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 0, 1), std::wstring(L"R1"));
}

void mouseSelectsMovesAndResizes() {
  Fixture f({.rangeSelect = true, .colMove = true, .colSizing = true}, 30, 6, 58);
  // Drag from cell (1,2) to (3,4): a rectangle.
  f.mouse(WM_LBUTTONDOWN, 58 + 20, 2 * 19 + 8);
  f.mouse(WM_MOUSEMOVE, 3 * 58 + 20, 4 * 19 + 8);
  f.mouse(WM_LBUTTONUP, 3 * 58 + 20, 4 * 19 + 8);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelLeft), 1LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelTop), 2LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelRight), 3LL);
  E2E_CHECK_EQ(f.info(win32::kGridInfoSelBottom), 4LL);

  // Header of column 0 dragged onto column 2: the data moves with it.
  f.mouse(WM_LBUTTONDOWN, 20, 8);
  f.mouse(WM_MOUSEMOVE, 2 * 58 + 20, 8);
  f.mouse(WM_LBUTTONUP, 2 * 58 + 20, 8);
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 2, 0), std::wstring(L"H0"));
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 2, 5), std::wstring(L"R5"));
  E2E_CHECK_EQ(e2e::gridCell(f.hwnd(), 0, 0), std::wstring(L"H1"));

  // The right edge of column 0 dragged 60 px right widens it; the columns
  // no longer fit, so a horizontal scroll bar appears.
  E2E_CHECK(!(GetWindowLongW(f.hwnd(), GWL_STYLE) & WS_HSCROLL));
  f.mouse(WM_LBUTTONDOWN, 57, 8);
  f.mouse(WM_MOUSEMOVE, 117, 8);
  f.mouse(WM_LBUTTONUP, 117, 8);
  E2E_CHECK_EQ(f.grid.colWidth(0), 118);
  E2E_CHECK(GetWindowLongW(f.hwnd(), GWL_STYLE) & WS_HSCROLL);
  SendMessageW(f.hwnd(), WM_HSCROLL, SB_RIGHT, 0);
  // Scrolled right, a click lands on the column now under the pointer.
  f.mouse(WM_LBUTTONDOWN, 355, 3 * 19 + 8);
  f.mouse(WM_LBUTTONUP, 355, 3 * 19 + 8);
  E2E_CHECK_EQ(f.info(win32::kGridInfoCol), 5LL);
}

COLORREF pixelAt(HDC dc, int x, int y) { return GetPixel(dc, x, y); }

void paintsThroughTheStyleCallback() {
  Fixture f({.rangeSelect = true}, 10);
  f.grid.cells().setCell(1, 1, u"12.5");
  f.grid.cells().setCell(2, 1, u"12.5");
  f.grid.onDrawCell = [](int col, int row, const ui::CellState&, ui::CellStyle& style) {
    if (row == 0) return;
    if (col == 4) style.background = {128, 128, 128};
    if (col == 2) style.align = ui::Align::Right;
    if (col == 3) style.textColor = {255, 0, 0};
  };
  f.grid.cells().setCell(3, 2, u"XYZ");
  RECT client;
  GetClientRect(f.hwnd(), &client);
  HDC screen = GetDC(f.hwnd());
  HDC mem = CreateCompatibleDC(screen);
  HBITMAP bmp = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ old = SelectObject(mem, bmp);
  f.view->paint(mem, client);

  E2E_CHECK_EQ(pixelAt(mem, 4 * 71 + 30, 3 * 19 + 9), RGB(128, 128, 128));  // grey column
  E2E_CHECK_EQ(pixelAt(mem, 1 * 71 + 30, 3 * 19 + 9), RGB(255, 255, 255));
  // Text ink: where the first dark pixel lies in a left- and a right-aligned cell.
  auto firstInk = [&](int col, int row) {
    for (int x = col * 71; x < col * 71 + 70; ++x)
      for (int y = row * 19 + 2; y < row * 19 + 17; ++y)
        if (GetRValue(pixelAt(mem, x, y)) < 128) return x - col * 71;
    return -1;
  };
  int left = firstInk(1, 1), right = firstInk(2, 1);
  E2E_CHECK(left >= 0 && left < 10);
  E2E_CHECK(right > 30);
  bool red = false;
  for (int x = 3 * 71; x < 3 * 71 + 40 && !red; ++x)
    for (int y = 2 * 19 + 2; y < 2 * 19 + 17 && !red; ++y) red = pixelAt(mem, x, y) == RGB(255, 0, 0);
  E2E_CHECK(red);
  // The selected current cell has the default colours; a wider selection
  // paints the highlight.
  f.grid.extendSelection(1, 3);
  f.view->paint(mem, client);
  E2E_CHECK_EQ(pixelAt(mem, 0 * 71 + 60, 2 * 19 + 15), RGB(0, 120, 215));

  SelectObject(mem, old);
  DeleteObject(bmp);
  DeleteDC(mem);
  ReleaseDC(f.hwnd(), screen);
}

}  // namespace

int main() {
  return e2e::run([] {
    bigListScrolls();
    keyboardMovesAndSelects();
    editorEdits();
    readOnlyGridDoesNotEdit();
    mouseSelectsMovesAndResizes();
    paintsThroughTheStyleCallback();
  });
}
