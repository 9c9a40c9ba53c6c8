#include "win32/grid_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "win32/control_peers.h"
#include "win32/dpi.h"
#include "win32/grid_probe.h"

namespace surva::win32 {

namespace {

constexpr UINT_PTR kEditorSubclass = 0x4544;  // "ED"

COLORREF ref(ui::Color c) { return RGB(c.r, c.g, c.b); }

ui::ShiftState shiftNow() {
  return {.shift = GetKeyState(VK_SHIFT) < 0, .ctrl = GetKeyState(VK_CONTROL) < 0, .alt = GetKeyState(VK_MENU) < 0};
}

UINT probeMessage() {
  static UINT m = RegisterWindowMessageW(kGridProbeMessage);
  return m;
}

UINT infoMessage() {
  static UINT m = RegisterWindowMessageW(kGridInfoMessage);
  return m;
}

bool wantsVertical(ui::ScrollBars s) { return s == ui::ScrollBars::Vertical || s == ui::ScrollBars::Both; }
bool wantsHorizontal(ui::ScrollBars s) { return s == ui::ScrollBars::Horizontal || s == ui::ScrollBars::Both; }

}  // namespace

PaintRange paintRange(const ui::StringGrid& grid, int scrollX, int clientWidth, int clientHeight) {
  PaintRange r;
  const ui::TextGrid& cells = grid.cells();
  int rowH = grid.defaultRowHeight();
  int fixedH = cells.fixedRows() * rowH;
  r.firstRow = grid.topRow();
  if (clientHeight > fixedH) {
    int rowsShown = (clientHeight - fixedH + rowH - 1) / rowH;  // the last one may be cut
    r.lastRow = std::min(cells.rowCount() - 1, r.firstRow + rowsShown - 1);
  } else {
    r.lastRow = r.firstRow - 1;
  }
  int x = 0;
  r.firstCol = cells.colCount();
  for (int c = 0; c < cells.colCount(); ++c) {
    int w = grid.colWidth(c);
    if (x + w > scrollX && x < scrollX + clientWidth) {
      r.firstCol = std::min(r.firstCol, c);
      r.lastCol = c;
    }
    x += w;
  }
  if (r.lastCol < 0) r.firstCol = 0;
  return r;
}

void GridWindow::registerClass(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kGridClassName;
  RegisterClassExW(&wc);
}

GridWindow::GridWindow(Win32Backend& backend, ui::StringGrid& grid) : WindowPeer(backend, grid), grid_(grid) {
  const ui::Rect& r = grid.bounds();
  DWORD ex = grid.options().flat ? 0 : WS_EX_CLIENTEDGE;
  HWND w = CreateWindowExW(ex, kGridClassName, L"", childStyle() | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN,
                           px(r.left), px(r.top), px(r.width), px(r.height), parentWindow(),
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId())), backend.instance(), nullptr);
  attach(w);
  // Created with both bars; hide them until they are needed.
  ShowScrollBar(w, SB_BOTH, FALSE);
  updateScrollBars();
}

GridWindow::~GridWindow() {
  if (editor_ && IsWindow(editor_)) {
    RemoveWindowSubclass(editor_, editorProc, kEditorSubclass);
    DestroyWindow(editor_);
  }
}

int GridWindow::clientWidthLogical() const {
  RECT rc;
  GetClientRect(hwnd(), &rc);
  return unscaled(rc.right, dpi());
}

int GridWindow::clientHeightLogical() const {
  RECT rc;
  GetClientRect(hwnd(), &rc);
  return unscaled(rc.bottom, dpi());
}

int GridWindow::totalWidth() const {
  int w = 0;
  for (int c = 0; c < grid_.cells().colCount(); ++c) w += grid_.colWidth(c);
  return w;
}

void GridWindow::clampScrollX() {
  int most = std::max(0, totalWidth() - clientWidthLogical());
  if (!wantsHorizontal(grid_.scrollBars())) most = 0;
  scrollX_ = std::clamp(scrollX_, 0, most);
}

POINT GridWindow::logical(LPARAM lp) const {
  UINT d = dpi();
  return {unscaled(GET_X_LPARAM(lp), d) + scrollX_, unscaled(GET_Y_LPARAM(lp), d)};
}

// Showing or hiding a bar recomputes the frame: only when it changes.
void GridWindow::showBar(int bar, bool& shown, bool on) {
  if (shown == on) return;
  shown = on;
  ShowScrollBar(hwnd(), bar, on);
}

void GridWindow::updateScrollBars() {
  if (!hwnd() || updatingScroll_) return;
  updatingScroll_ = true;
  const ui::TextGrid& cells = grid_.cells();
  UINT d = dpi();
  if (wantsVertical(grid_.scrollBars())) {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = cells.fixedRows();
    si.nMax = std::max(cells.fixedRows(), cells.rowCount() - 1);
    si.nPage = static_cast<UINT>(grid_.visibleDataRows());
    si.nPos = grid_.topRow();
    // Shown only while some rows are out of sight.
    showBar(SB_VERT, vShown_, cells.rowCount() - cells.fixedRows() > grid_.visibleDataRows());
    SetScrollInfo(hwnd(), SB_VERT, &si, TRUE);
  } else {
    showBar(SB_VERT, vShown_, false);
  }
  clampScrollX();
  if (wantsHorizontal(grid_.scrollBars()) && totalWidth() > clientWidthLogical()) {
    showBar(SB_HORZ, hShown_, true);
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = scaled(totalWidth(), d) - 1;
    RECT rc;
    GetClientRect(hwnd(), &rc);
    si.nPage = static_cast<UINT>(rc.right);
    si.nPos = scaled(scrollX_, d);
    SetScrollInfo(hwnd(), SB_HORZ, &si, TRUE);
  } else {
    showBar(SB_HORZ, hShown_, false);
    scrollX_ = 0;
  }
  updatingScroll_ = false;
}

void GridWindow::scrollVertical(int code) {
  int top = grid_.topRow();
  int page = grid_.visibleDataRows();
  switch (code) {
    case SB_LINEUP: top -= 1; break;
    case SB_LINEDOWN: top += 1; break;
    case SB_PAGEUP: top -= page; break;
    case SB_PAGEDOWN: top += page; break;
    case SB_TOP: top = 0; break;
    case SB_BOTTOM: top = grid_.cells().rowCount(); break;
    case SB_THUMBTRACK:
      if (!grid_.options().thumbTracking) return;
      [[fallthrough]];
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd(), SB_VERT, &si);  // 32-bit position, unlike the message's 16 bits
      top = si.nTrackPos;
      break;
    }
    default: return;
  }
  grid_.setTopRow(top);
}

void GridWindow::scrollHorizontal(int code) {
  int x = scrollX_;
  int page = clientWidthLogical();
  switch (code) {
    case SB_LINELEFT: x -= 16; break;
    case SB_LINERIGHT: x += 16; break;
    case SB_PAGELEFT: x -= page; break;
    case SB_PAGERIGHT: x += page; break;
    case SB_LEFT: x = 0; break;
    case SB_RIGHT: x = totalWidth(); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd(), SB_HORZ, &si);
      x = unscaled(si.nTrackPos, dpi());
      break;
    }
    default: return;
  }
  scrollX_ = x;
  clampScrollX();
  updateScrollBars();
  placeEditor();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

bool GridWindow::tabMove(bool back) {
  const ui::TextGrid& cells = grid_.cells();
  int col = cells.col() + (back ? -1 : 1);
  int row = cells.row();
  if (col >= cells.colCount()) {
    if (row + 1 >= cells.rowCount()) return false;
    col = 0;
    ++row;
  } else if (col < 0) {
    if (row - 1 < cells.fixedRows()) return false;
    col = cells.colCount() - 1;
    --row;
  }
  return grid_.selectCell(col, row);
}

void GridWindow::placeEditor() {
  if (!editor_ || !grid_.editorMode()) return;
  ui::Rect r = grid_.cellRect(grid_.cells().col(), grid_.cells().row());
  r.left -= scrollX_;
  UINT d = dpi();
  SetWindowPos(editor_, HWND_TOP, scaled(r.left, d) + 1, scaled(r.top, d) + 1, scaled(r.width, d) - 2,
               scaled(r.height, d) - 2, SWP_NOACTIVATE);
}

void GridWindow::syncEditor() {
  if (grid_.editorMode()) {
    if (!editor_) {
      editor_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 10, 10, hwnd(), nullptr,
                                backend().instance(), nullptr);
      SetWindowSubclass(editor_, editorProc, kEditorSubclass, reinterpret_cast<DWORD_PTR>(this));
      SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(backend().font(grid_.effectiveFont(), dpi())), FALSE);
    }
    std::wstring want = text::toWide(grid_.editorText());
    int n = GetWindowTextLengthW(editor_);
    std::wstring have(n + 1, L'\0');
    have.resize(GetWindowTextW(editor_, have.data(), n + 1));
    if (have != want) {
      applying_ = true;
      SetWindowTextW(editor_, want.c_str());
      SendMessageW(editor_, EM_SETSEL, want.size(), want.size());
      applying_ = false;
    }
    if (!IsWindowVisible(editor_)) {
      placeEditor();
      ShowWindow(editor_, SW_SHOW);
      SetFocus(editor_);
      SendMessageW(editor_, EM_SETSEL, want.size(), want.size());
    }
  } else if (editor_ && IsWindowVisible(editor_)) {
    bool hadFocus = GetFocus() == editor_;
    ShowWindow(editor_, SW_HIDE);
    if (hadFocus) SetFocus(hwnd());
  }
}

void GridWindow::rescale() {
  WindowPeer::rescale();
  if (editor_)
    SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(backend().font(grid_.effectiveFont(), dpi())), FALSE);
  updateScrollBars();
  placeEditor();
  InvalidateRect(hwnd(), nullptr, FALSE);
}

void GridWindow::onProperty(ui::Property what) {
  if (!hwnd()) return;
  switch (what) {
    case ui::Property::Cells:
    case ui::Property::GridLayout: {
      // Keep the current column in sight when it moved sideways.
      ui::Rect r = grid_.cellRect(grid_.cells().col(), grid_.cells().row());
      int width = clientWidthLogical();
      if (r.left < scrollX_)
        scrollX_ = r.left;
      else if (r.left + r.width > scrollX_ + width)
        scrollX_ = r.left + r.width - width;
      clampScrollX();
      updateScrollBars();
      placeEditor();
      InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    }
    case ui::Property::EditorMode:
      syncEditor();
      InvalidateRect(hwnd(), nullptr, FALSE);
      break;
    case ui::Property::Font:
    case ui::Property::Repaint:
    case ui::Property::Enabled: InvalidateRect(hwnd(), nullptr, FALSE); break;
    default: break;
  }
}

void GridWindow::paint(HDC dc, const RECT& client) {
  UINT d = dpi();
  bool flat = grid_.options().flat;
  FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
  HGDIOBJ oldFont = SelectObject(dc, backend().font(grid_.effectiveFont(), d));
  const ui::TextGrid& cells = grid_.cells();
  PaintRange range = paintRange(grid_, scrollX_, unscaled(client.right, d) + 1, unscaled(client.bottom, d) + 1);
  HPEN line = CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
  HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
  HGDIOBJ oldPen = SelectObject(dc, line);
  SetBkMode(dc, OPAQUE);
  bool enabled = grid_.enabledInTree();

  auto drawCell = [&](int col, int row) {
    ui::Rect r = grid_.cellRect(col, row);
    r.left -= scrollX_;
    RECT rc{scaled(r.left, d), scaled(r.top, d), scaled(r.left + r.width, d), scaled(r.top + r.height, d)};
    ui::CellStyle style = grid_.cellStyle(col, row);
    bool fixed = row < cells.fixedRows();
    RECT inner{rc.left, rc.top, rc.right - 1, rc.bottom - 1};
    SetBkColor(dc, ref(style.background));
    SetTextColor(dc, enabled ? ref(style.textColor) : GetSysColor(COLOR_GRAYTEXT));
    const text::u16& t = cells.cell(col, row);
    auto* s = reinterpret_cast<const wchar_t*>(t.data());
    int n = static_cast<int>(t.size());
    SIZE ext{0, 0};
    GetTextExtentPoint32W(dc, s, n, &ext);
    RECT textBox{inner.left + scaled(style.insetLeft, d), inner.top, inner.right - scaled(style.insetRight, d),
                 inner.bottom};
    int x = textBox.left;
    if (style.align == ui::Align::Right) x = textBox.right - ext.cx;
    if (style.align == ui::Align::Center) x = (textBox.left + textBox.right - ext.cx) / 2;
    int y = style.verticalCenter ? (inner.top + inner.bottom - ext.cy) / 2 : inner.top + scaled(2, d);
    // One call fills the cell and draws its text clipped to it.
    ExtTextOutW(dc, x, y, ETO_OPAQUE | ETO_CLIPPED, &inner, s, n, nullptr);
    SelectObject(dc, fixed ? dark : line);
    MoveToEx(dc, rc.left, rc.bottom - 1, nullptr);
    LineTo(dc, rc.right - 1, rc.bottom - 1);
    LineTo(dc, rc.right - 1, rc.top - 1);
    if (fixed && !flat) {
      RECT edge = inner;
      DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_TOPLEFT);
    }
  };

  for (int row = 0; row < cells.fixedRows() && row < cells.rowCount(); ++row)
    for (int col = range.firstCol; col <= range.lastCol; ++col) drawCell(col, row);
  for (int row = range.firstRow; row <= range.lastRow; ++row)
    for (int col = range.firstCol; col <= range.lastCol; ++col) drawCell(col, row);

  if (GetFocus() == hwnd() && !grid_.editorMode() && cells.row() >= range.firstRow && cells.row() <= range.lastRow) {
    ui::Rect r = grid_.cellRect(cells.col(), cells.row());
    r.left -= scrollX_;
    RECT rc{scaled(r.left, d), scaled(r.top, d), scaled(r.left + r.width, d) - 1, scaled(r.top + r.height, d) - 1};
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &rc);
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
  DeleteObject(line);
  DeleteObject(dark);
}

bool GridWindow::handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  result = 0;
  if (msg == probeMessage()) {
    probeCol_ = static_cast<int>(static_cast<INT_PTR>(wp));
    probeRow_ = static_cast<int>(lp);
    result = 1;
    return true;
  }
  if (msg == infoMessage()) {
    const ui::TextGrid& c = grid_.cells();
    switch (wp) {
      case kGridInfoRowCount: result = c.rowCount(); break;
      case kGridInfoColCount: result = c.colCount(); break;
      case kGridInfoCol: result = c.col(); break;
      case kGridInfoRow: result = c.row(); break;
      case kGridInfoEditing: result = grid_.editorMode() ? 1 : 0; break;
      case kGridInfoTopRow: result = grid_.topRow(); break;
      case kGridInfoSelLeft: result = c.selection().left; break;
      case kGridInfoSelTop: result = c.selection().top; break;
      case kGridInfoSelRight: result = c.selection().right; break;
      case kGridInfoSelBottom: result = c.selection().bottom; break;
      default: result = -1; break;
    }
    return true;
  }
  switch (msg) {
    case WM_GETTEXTLENGTH:
    case WM_GETTEXT: {
      const ui::TextGrid& c = grid_.cells();
      const text::u16& t = probeCol_ < 0 ? c.cell(c.col(), c.row()) : c.cell(probeCol_, probeRow_);
      if (msg == WM_GETTEXTLENGTH) {
        result = static_cast<LRESULT>(t.size());
        return true;
      }
      auto* out = reinterpret_cast<wchar_t*>(lp);
      std::size_t room = static_cast<std::size_t>(wp);
      if (!out || room == 0) return true;
      std::size_t n = std::min(t.size(), room - 1);
      std::copy_n(t.data(), n, out);
      out[n] = L'\0';
      result = static_cast<LRESULT>(n);
      return true;
    }
    case WM_ERASEBKGND: result = 1; return true;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      RECT client;
      GetClientRect(hwnd(), &client);
      // Drawn off screen first, so scrolling does not flicker.
      HDC mem = CreateCompatibleDC(dc);
      HBITMAP bmp = CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom));
      HGDIOBJ old = SelectObject(mem, bmp);
      paint(mem, client);
      BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
      SelectObject(mem, old);
      DeleteObject(bmp);
      DeleteDC(mem);
      EndPaint(hwnd(), &ps);
      return true;
    }
    case WM_SIZE:
      updateScrollBars();
      placeEditor();
      InvalidateRect(hwnd(), nullptr, FALSE);
      return true;
    case WM_VSCROLL:
      if (lp == 0) scrollVertical(LOWORD(wp));
      return true;
    case WM_HSCROLL:
      if (lp == 0) scrollHorizontal(LOWORD(wp));
      return true;
    case WM_MOUSEWHEEL: {
      wheelRest_ += GET_WHEEL_DELTA_WPARAM(wp);
      int notches = wheelRest_ / WHEEL_DELTA;
      wheelRest_ -= notches * WHEEL_DELTA;
      UINT lines = 3;
      SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
      if (notches) grid_.mouseWheel(-notches * static_cast<int>(lines == WHEEL_PAGESCROLL ? 3 : lines));
      return true;
    }
    case WM_GETDLGCODE: result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB; return true;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateRect(hwnd(), nullptr, FALSE); return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN: {
      SetFocus(hwnd());
      POINT p = logical(lp);
      if (msg == WM_LBUTTONDOWN) SetCapture(hwnd());
      grid_.mouseDown(msg == WM_LBUTTONDOWN ? ui::MouseButton::Left : ui::MouseButton::Right, p.x, p.y, shiftNow());
      return true;
    }
    case WM_MOUSEMOVE:
      if (GetCapture() == hwnd()) {
        POINT p = logical(lp);
        // Dragging a selection past the edge scrolls the list.
        int fixedH = grid_.cells().fixedRows() * grid_.defaultRowHeight();
        if (p.y >= clientHeightLogical()) {
          grid_.setTopRow(grid_.topRow() + 1);
          p.y = clientHeightLogical() - 1;
        } else if (p.y < fixedH && p.y >= 0 && grid_.topRow() > grid_.cells().fixedRows()) {
          // inside the header: handled as a header drag by the model
        } else if (p.y < 0) {
          grid_.setTopRow(grid_.topRow() - 1);
          p.y = fixedH;
        }
        grid_.mouseMove(p.x, p.y);
      }
      return true;
    case WM_LBUTTONUP: {
      POINT p = logical(lp);
      if (GetCapture() == hwnd()) ReleaseCapture();
      grid_.mouseUp(ui::MouseButton::Left, p.x, p.y);
      return true;
    }
    case WM_LBUTTONDBLCLK: {
      POINT p = logical(lp);
      grid_.doubleClick(p.x, p.y);
      return true;
    }
    case WM_CONTEXTMENU: {
      ui::PopupMenu* menu = grid_.popupMenu();
      if (!menu || !grid_.acceptsInput()) return true;
      POINT pt{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (pt.x == -1 && pt.y == -1) {  // from the keyboard: at the current cell
        ui::Rect r = grid_.cellRect(grid_.cells().col(), grid_.cells().row());
        pt = {px(r.left - scrollX_), px(r.top + r.height)};
        ClientToScreen(hwnd(), &pt);
      }
      trackPopupMenu(*menu, hwnd(), pt);
      return true;
    }
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && grid_.options().colSizing) {
        POINT pt;
        GetCursorPos(&pt);
        ScreenToClient(hwnd(), &pt);
        POINT p = logical(MAKELPARAM(pt.x, pt.y));
        ui::StringGrid::Hit hit = grid_.cellAt(p.x, p.y);
        if (hit.row >= 0 && hit.row < grid_.cells().fixedRows() && hit.onRightBorder) {
          SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
          result = TRUE;
          return true;
        }
      }
      return false;
    case WM_KEYDOWN: {
      ui::ShiftState shift = shiftNow();
      if (wp == VK_TAB)
        tabMove(shift.shift);
      else
        grid_.keyDown(static_cast<ui::KeyCode>(wp), shift);
      return true;
    }
    case WM_CHAR:
      if (wp >= 32) grid_.keyPress(static_cast<char16_t>(wp));
      return true;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == editor_ && HIWORD(wp) == EN_CHANGE && !applying_) {
        int n = GetWindowTextLengthW(editor_);
        std::wstring s(n + 1, L'\0');
        s.resize(GetWindowTextW(editor_, s.data(), n + 1));
        grid_.setEditorText(text::fromWide(s));
      }
      return true;
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lp) == editor_) {
        SetTextColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOW));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        return true;
      }
      return false;
    default: return false;
  }
}

LRESULT CALLBACK GridWindow::editorProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<GridWindow*>(data);
  switch (msg) {
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTCHARS | DLGC_HASSETSEL;
    case WM_KEYDOWN: {
      // Every key goes to the grid first, as it would without the editor
      // (Ctrl+V pastes rows, Shift+Delete deletes one); the editor gets only
      // what the grid leaves, such as a single-cell Delete.
      ui::ShiftState shift = shiftNow();
      bool spent = wp == VK_TAB ? (self->tabMove(shift.shift), true)
                                : self->grid_.keyDown(static_cast<ui::KeyCode>(wp), shift);
      if (spent || !self->grid_.editorMode()) {
        // Its character, already queued (Ctrl+V is 0x16), goes with it.
        MSG ch;
        PeekMessageW(&ch, w, WM_CHAR, WM_CHAR, PM_REMOVE);
        return 0;
      }
      break;
    }
    case WM_CHAR:
      if (wp == L'\r' || wp == 27 || wp == L'\t') return 0;  // handled as keys; no beep
      break;
    case WM_KILLFOCUS:
      // Leaving the editor for another control keeps what was typed.
      if (reinterpret_cast<HWND>(wp) != self->hwnd() && self->grid_.editorMode()) self->grid_.endEdit(true);
      break;
    case WM_NCDESTROY: RemoveWindowSubclass(w, editorProc, kEditorSubclass); break;
    default: break;
  }
  return DefSubclassProc(w, msg, wp, lp);
}

}  // namespace surva::win32
