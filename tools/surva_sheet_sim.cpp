// The stand-in spreadsheet as a COM server: its application object in the
// running object table, a top-level window of the spreadsheet's class
// "XLMAIN" showing the active sheet as a grid with its selection, and "Sim"
// members through which tests fill cells, switch sheets, script faults and
// count the calls that reached it.
//
//   surva_sheet_sim [--progid P] [--register] [--no-object] [--no-workbook] [--open F.csv]
//                   [--ready-event E]
//
// A person edits it as a spreadsheet: click a cell, a row or a column
// header to select; type, F2 or a double click to edit (Enter or Tab keeps,
// Esc drops); arrows move; Delete empties; Ctrl+O opens a CSV file into the
// active sheet and Ctrl+S saves it as one (Shift_JIS, CR LF). --open shows
// a CSV file at start.
//
// --register registers P (default Excel.Application) while the server runs
// and removes it at exit. It refuses a ProgID that already names another
// class, and Excel.Application outside Wine: on Windows that name belongs
// to the real spreadsheet. --no-object shows the window only (the object is
// not in the running object table).
#include <windows.h>
#include <commdlg.h>
#include <objbase.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "platform/automation.h"
#include "platform/text_file.h"
#include "sim/sheet_csv.h"
#include "sim/sheet_dump.h"
#include "sim/sheet_grid.h"
#include "sim/sheet_objects.h"
#include "text/error.h"
#include "text/number.h"
#include "win32/class_factory.h"
#include "win32/class_registration.h"
#include "win32/com_apartment.h"
#include "win32/com_ptr.h"
#include "win32/dispatch_adapter.h"
#include "win32/dispatch_names.h"
#include "win32/ansi_codec.h"
#include "win32/dispatch_type_info.h"
#include "win32/files.h"
#include "win32/offscreen_paint.h"
#include "win32/wide.h"
#include "stand_in_server.h"

using namespace surva;
using platform::Variant;
using platform::VariantArray;
using text::u16;
using text::u16view;

namespace {

// The name every line this tool writes to standard error starts with.
constexpr char kProgram[] = "surva_sheet_sim";
constexpr wchar_t kClassIdText[] = L"{3C5B8E52-7A1D-4F0B-9C61-5EE75EE75EE7}";
constexpr wchar_t kWindowClass[] = L"XLMAIN";
constexpr UINT_PTR kRefreshTimer = 1;

struct Options : tools::ServerOptions {
  bool noObject = false;
  bool noWorkbook = false;
  u16 open;  // a CSV file shown in the active sheet at start
};

bool parseOptions(Options& o) {
  o.progId = u"Excel.Application";
  const char16_t* usage =
      u"[--progid P] [--register] [--no-object] [--no-workbook] [--open F.csv] [--ready-event E]";
  return tools::parseOptions(kProgram, usage, o, [&o](u16view a, const tools::TakeValue& value) {
    std::optional<u16> v;
    if (a == u"--no-object") o.noObject = true;
    else if (a == u"--no-workbook") o.noWorkbook = true;
    else if (a == u"--open" && (v = value())) o.open = *v;
    else return false;
    return true;
  });
}

using tools::fail;

// Sheet members take their arguments by value.
const Variant& argAt(const VariantArray& args, std::size_t i) { return tools::argAt(args, i).deref(); }

bool is(u16view a, const char16_t* b) { return text::equalsIgnoreAsciiCase(a, b); }

// --- the host: the application object plus the test members ---------------

class SheetHost : public tools::ServerHost {
 public:
  explicit SheetHost(std::shared_ptr<sim::Spreadsheet> sheet)
      : ServerHost(sim::makeSheetApplication(sheet)), sheet_(sheet) {}

  HWND window = nullptr;

  u16 listing() { return sim::dumpActiveSheet(*sheet_); }
  sim::Spreadsheet& spreadsheet() { return *sheet_; }

 private:
  sim::Worksheet& active() {
    sim::Worksheet* ws = sheet_->activeSheet();
    if (!ws) fail(u"ブックがありません");
    return *ws;
  }

  // SimSetCell(row, col, value): stores the value as it is (a date, an
  // error value, ...); SimEnter(row, col, text): as typed; SimCell(row, col);
  // SimFill(rows): rows 1.. of names and numbers in A to D;
  // SimSelection([sheet]): "B4" of the active sheet or of sheet n of the
  // active workbook; SimAddSheet(name[, chart]); SimActivate(book, sheet);
  // SimCloseBooks; SimFail(member, times, skip); SimCloseAfter(calls);
  // SimCallCount([member]); SimGetIDsOfNamesCount; SimTypeInfoCount;
  // SimRanges (made/released); SimTypeInfo(on): objects give
  // type information or none; SimMultiCellRanges(n): ranges of more than
  // one cell it still gives (< 0: no limit, 0: refuses them);
  // SimCalls (one line each); SimResetCounts; SimQuit.
  std::optional<Variant> own(u16view m, const VariantArray& args) {
    if (m.size() < 3 || !is(m.substr(0, 3), u"Sim")) return std::nullopt;
    auto& names = win32::DispatchNames::shared();
    if (is(m, u"SimSetCell")) active().setCell(argAt(args, 0).toInt(), argAt(args, 1).toInt(), argAt(args, 2));
    else if (is(m, u"SimEnter")) active().enter(argAt(args, 0).toInt(), argAt(args, 1).toInt(), argAt(args, 2).toText());
    else if (is(m, u"SimCell")) return active().cell(argAt(args, 0).toInt(), argAt(args, 1).toInt());
    else if (is(m, u"SimFill")) fill(argAt(args, 0).toInt());
    else if (is(m, u"SimSelection")) {
      sim::Workbook* book = sheet_->activeBook();
      if (!book) fail(u"ブックがありません");
      std::size_t i = args.empty() ? book->activeSheet : static_cast<std::size_t>(argAt(args, 0).toInt());
      if (i >= book->sheets.size()) fail(u"シートがありません");
      return Variant(sim::rangeAddress(book->sheets[i].selection));
    } else if (is(m, u"SimAddSheet")) {
      sim::Workbook* book = sheet_->activeBook();
      if (!book) fail(u"ブックがありません");
      book->sheets.push_back(sim::Worksheet{argAt(args, 0).toText(), args.size() > 1 && argAt(args, 1).toBool()});
      return Variant(static_cast<std::int32_t>(book->sheets.size() - 1));
    } else if (is(m, u"SimActivate")) sheet_->setActive(argAt(args, 0).toInt(), argAt(args, 1).toInt());
    else if (is(m, u"SimCloseBooks")) sheet_->closeAllBooks();
    else if (is(m, u"SimFail")) {
      sheet_->failMember(argAt(args, 0).toText(), args.size() > 1 ? argAt(args, 1).toInt() : -1,
                         args.size() > 2 ? argAt(args, 2).toInt() : 0);
    } else if (is(m, u"SimCloseAfter")) sheet_->closeAfter(argAt(args, 0).toInt());
    else if (is(m, u"SimCallCount")) {
      std::size_t n = args.empty() ? sheet_->calls().records().size() : sheet_->calls().count(argAt(args, 0).toText());
      return Variant(static_cast<std::int32_t>(n));
    } else if (is(m, u"SimGetIDsOfNamesCount")) return Variant(static_cast<std::int32_t>(names.lookups()));
    else if (is(m, u"SimTypeInfoCount")) {
      return Variant(static_cast<std::int32_t>(win32::dispatch_types::typeInfoRequests()));
    }
    else if (is(m, u"SimRanges")) {
      return Variant(VariantArray{Variant(static_cast<std::int32_t>(sheet_->rangesMade)),
                                  Variant(static_cast<std::int32_t>(sheet_->rangesReleased))});
    } else if (is(m, u"SimTypeInfo")) sheet_->typeInfo = argAt(args, 0).toBool();
    else if (is(m, u"SimMultiCellRanges")) sheet_->multiCellRanges = argAt(args, 0).toInt();
    else if (is(m, u"SimResetCounts")) {
      names.resetLookups();
      win32::dispatch_types::typeInfoRequests() = 0;
      sheet_->calls().clear();
      sheet_->rangesMade = sheet_->rangesReleased = 0;
    } else if (is(m, u"SimListing")) return Variant(listing());
    else if (is(m, u"SimCalls")) return Variant(text::fromUtf8(sheet_->calls().text()));
    else if (is(m, u"SimQuit")) PostMessageW(window, WM_CLOSE, 0, 0);
    else return std::nullopt;
    return Variant();
  }

  void fill(int rows) {
    sim::Worksheet& ws = active();
    for (int r = 1; r <= rows; ++r) {
      ws.setCell(r, 1, Variant(u"P-" + text::intToText(r)));
      ws.setCell(r, 2, Variant(10000.0 + r * 1.125));
      ws.setCell(r, 3, Variant(-20000.0 - r * 2.5));
      ws.setCell(r, 4, Variant(12.345 + r));
    }
  }

  std::shared_ptr<sim::Spreadsheet> sheet_;
};

SheetHost* theHost = nullptr;
bool refreshPending = false;

// --- the window: the active sheet as a grid ---------------------------------

sim::SheetGrid grid;
HWND theEditor = nullptr;  // the in-place editor while a cell is edited
sim::GridCell editing;
WNDPROC editorProc = nullptr;
std::optional<sim::SheetRange> lastShownSelection;
win32::Win32FileSystem files;
win32::AnsiCodePage codec;

sim::Worksheet* shownSheet() { return theHost ? theHost->spreadsheet().activeSheet() : nullptr; }

void redraw() {
  if (theHost) InvalidateRect(theHost->window, nullptr, FALSE);
}

bool selected(const sim::SheetRange& s, int row, int col) { return s.contains(row, col); }

void paintGrid(HDC dc, const RECT& client) {
  FillRect(dc, &client, reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  sim::Worksheet* ws = shownSheet();
  static HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                                  L"MS PGothic");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  HBRUSH header = CreateSolidBrush(RGB(236, 236, 236));
  HBRUSH highlight = CreateSolidBrush(RGB(204, 224, 255));
  HPEN line = CreatePen(PS_SOLID, 1, RGB(212, 212, 212));
  HGDIOBJ oldPen = SelectObject(dc, line);
  int rows = grid.visibleRows(), cols = grid.visibleCols();
  for (int r = 0; r <= rows; ++r) {
    for (int c = 0; c <= cols; ++c) {
      sim::GridCell cell{r == 0 ? 0 : grid.firstRow() + r - 1, c == 0 ? 0 : grid.firstCol() + c - 1};
      sim::PixelRect p = grid.cellRect(cell);
      RECT rc{p.left, p.top, p.right, p.bottom};
      u16 text;
      UINT align = DT_LEFT;
      if (cell.row == 0 || cell.col == 0) {
        FillRect(dc, &rc, header);
        text = cell.row == 0 && cell.col > 0 ? sim::columnName(cell.col)
               : cell.col == 0 && cell.row > 0 ? text::intToText(cell.row)
                                               : u16();
        align = DT_CENTER;
      } else if (ws) {
        if (selected(ws->selection, cell.row, cell.col)) FillRect(dc, &rc, highlight);
        const Variant& v = ws->cell(cell.row, cell.col);
        text = sim::cellText(v);
        if (v.kind() != Variant::Kind::Text) align = DT_RIGHT;
      }
      MoveToEx(dc, rc.right - 1, rc.top, nullptr);
      LineTo(dc, rc.right - 1, rc.bottom - 1);
      LineTo(dc, rc.left - 1, rc.bottom - 1);
      RECT inner{rc.left + 3, rc.top, rc.right - 4, rc.bottom};
      DrawTextW(dc, win32::wideOf(text), static_cast<int>(text.size()), &inner,
                align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
  }
  SelectObject(dc, oldPen);
  SelectObject(dc, oldFont);
  DeleteObject(line);
  DeleteObject(header);
  DeleteObject(highlight);
}

void paint(HWND hwnd) { win32::paintOffscreen(hwnd, paintGrid); }

void select(sim::SheetRange r) {
  sim::Worksheet* ws = shownSheet();
  if (!ws) return;
  ws->selection = r;
  grid.reveal(r);
  lastShownSelection = r;
  redraw();
}

void moveBy(int rows, int cols) {
  sim::Worksheet* ws = shownSheet();
  if (!ws) return;
  sim::SheetRange s = ws->selection;
  int row = s.kind == sim::SheetRange::Kind::Column ? grid.firstRow() : s.row;
  int col = s.kind == sim::SheetRange::Kind::Row ? grid.firstCol() : s.col;
  select({sim::SheetRange::Kind::Cell, std::clamp(row + rows, 1, sim::kSheetRows),
          std::clamp(col + cols, 1, sim::kSheetCols)});
}

void endEdit(bool keep) {
  if (!theEditor) return;
  HWND editor = theEditor;
  theEditor = nullptr;
  if (keep) {
    if (sim::Worksheet* ws = shownSheet()) {
      int n = GetWindowTextLengthW(editor);
      std::wstring typed(static_cast<std::size_t>(n) + 1, L'\0');
      GetWindowTextW(editor, typed.data(), n + 1);
      typed.resize(static_cast<std::size_t>(n));
      ws->enter(editing.row, editing.col, win32::fromWideZ(typed.c_str()));
    }
  }
  DestroyWindow(editor);
  if (theHost) SetFocus(theHost->window);
  redraw();
}

LRESULT CALLBACK editorWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_KEYDOWN && (wp == VK_RETURN || wp == VK_TAB)) {
    endEdit(true);
    moveBy(wp == VK_RETURN ? 1 : 0, wp == VK_TAB ? 1 : 0);
    return 0;
  }
  if (msg == WM_KEYDOWN && wp == VK_ESCAPE) {
    endEdit(false);
    return 0;
  }
  if (msg == WM_CHAR && (wp == L'\r' || wp == L'\t' || wp == 27)) return 0;
  if (msg == WM_KILLFOCUS && theEditor == hwnd) {
    endEdit(true);
    return 0;
  }
  return CallWindowProcW(editorProc, hwnd, msg, wp, lp);
}

// Edits the selected cell in place, starting from its value or from the
// first character the user typed.
void beginEdit(std::optional<wchar_t> first) {
  sim::Worksheet* ws = shownSheet();
  if (!ws || theEditor || ws->selection.kind != sim::SheetRange::Kind::Cell) return;
  editing = {ws->selection.row, ws->selection.col};
  grid.reveal(ws->selection);
  sim::PixelRect p = grid.cellRect(editing);
  u16 start = first ? u16(1, static_cast<char16_t>(*first)) : sim::cellText(ws->cell(editing.row, editing.col));
  theEditor = CreateWindowExW(0, L"EDIT", win32::wideOf(start), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                              p.left, p.top, p.right - p.left, p.bottom - p.top, theHost->window, nullptr, nullptr,
                              nullptr);
  if (!theEditor) return;
  SendMessageW(theEditor, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  editorProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(theEditor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editorWindowProc)));
  SetFocus(theEditor);
  SendMessageW(theEditor, EM_SETSEL, start.size(), start.size());
}

void updateTitle() {
  if (!theHost) return;
  auto& sheet = theHost->spreadsheet();
  u16 title = u"SurvaSim Excel";
  if (auto* book = sheet.activeBook()) {
    title += u" - " + book->name;
    if (auto* ws = sheet.activeSheet()) title += u" [" + ws->name + u"]";
  }
  SetWindowTextW(theHost->window, win32::wideOf(title));
}

// Opens a CSV file into the active sheet; the workbook takes the file's name.
bool openCsv(const u16& path) {
  sim::Worksheet* ws = shownSheet();
  std::optional<platform::TextFileContent> content;
  try {
    content = platform::readTextFile(files, codec, path);
  } catch (const std::exception&) {
  }
  if (!ws || !content) {
    u16 message = u"ファイルを開けません: " + path;
    MessageBoxW(theHost->window, win32::wideOf(message), L"SurvaSim Excel", MB_ICONERROR);
    return false;
  }
  sim::readCsv(*ws, content->lines);
  auto slash = path.find_last_of(u"\\/");
  theHost->spreadsheet().activeBook()->name = slash == u16::npos ? path : path.substr(slash + 1);
  updateTitle();
  redraw();
  return true;
}

void saveCsv(const u16& path) {
  sim::Worksheet* ws = shownSheet();
  if (!ws) return;
  try {
    platform::writeTextFile(files, codec, path, sim::csvLines(*ws));
  } catch (const std::exception& e) {
    u16 message = u"保存できません: " + path + u"\n" + text::fromUtf8(e.what());
    MessageBoxW(theHost->window, win32::wideOf(message), L"SurvaSim Excel", MB_ICONERROR);
  }
}

std::optional<u16> askFile(bool save) {
  std::vector<wchar_t> name(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = theHost->window;
  ofn.lpstrFilter = L"CSV (*.csv)\0*.csv\0*.*\0*.*\0";
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = L"csv";
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  if (!(save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) return std::nullopt;
  return win32::fromWideZ(name.data());
}

void refresh() {
  refreshPending = false;
  // A selection made by the program scrolls into view, as it does in a spreadsheet.
  if (sim::Worksheet* ws = shownSheet(); ws && ws->selection != lastShownSelection) {
    grid.reveal(ws->selection);
    lastShownSelection = ws->selection;
  }
  updateTitle();
  redraw();
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: paint(hwnd); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE:
      grid.resize(LOWORD(lp), HIWORD(lp));
      redraw();
      return 0;
    case WM_TIMER:
      if (wp == kRefreshTimer) {
        KillTimer(hwnd, kRefreshTimer);
        refresh();
      }
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      endEdit(true);
      SetFocus(hwnd);
      auto at = grid.cellAt(static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      if (!at || (at->row == 0 && at->col == 0)) return 0;
      using K = sim::SheetRange::Kind;
      if (at->row == 0) select({K::Column, 1, at->col});
      else if (at->col == 0) select({K::Row, at->row, 1});
      else select({K::Cell, at->row, at->col});
      if (msg == WM_LBUTTONDBLCLK) beginEdit(std::nullopt);
      return 0;
    }
    case WM_MOUSEWHEEL:
      grid.scrollBy(GET_WHEEL_DELTA_WPARAM(wp) > 0 ? -3 : 3, 0);
      redraw();
      return 0;
    case WM_KEYDOWN: {
      bool ctrl = GetKeyState(VK_CONTROL) < 0;
      if (ctrl && wp == 'O') {
        if (auto path = askFile(false)) openCsv(*path);
      } else if (ctrl && wp == 'S') {
        if (auto path = askFile(true)) saveCsv(*path);
      } else if (wp == VK_UP) moveBy(-1, 0);
      else if (wp == VK_DOWN || wp == VK_RETURN) moveBy(1, 0);
      else if (wp == VK_LEFT) moveBy(0, -1);
      else if (wp == VK_RIGHT || wp == VK_TAB) moveBy(0, 1);
      else if (wp == VK_F2) beginEdit(std::nullopt);
      else if (wp == VK_DELETE) {
        if (sim::Worksheet* ws = shownSheet(); ws && ws->selection.kind == sim::SheetRange::Kind::Cell)
          ws->enter(ws->selection.row, ws->selection.col, u16());
        redraw();
      }
      return 0;
    }
    case WM_CHAR:
      if (wp >= 0x20 && GetKeyState(VK_CONTROL) >= 0) beginEdit(static_cast<wchar_t>(wp));
      return 0;
    default:
      return tools::defaultWindowProc(hwnd, msg, wp, lp);
  }
}

// Serves until the window closes, with COM started and the class registered.
int runServer(HINSTANCE instance, const Options& options) {
  auto sheet = std::make_shared<sim::Spreadsheet>();
  if (options.noWorkbook) sheet->closeAllBooks();
  auto host = std::make_shared<SheetHost>(sheet);
  theHost = host.get();
  // Below Surva, which the sample settings place at the screen's left edge.
  host->window = tools::createServerWindow(kProgram, instance, kWindowClass, windowProc, MAKEINTRESOURCEW(32512),
                                           u"SurvaSim Excel", {0, 500, 640, 900}, SW_SHOWNORMAL);
  if (!host->window) return 5;
  // Closed by the test in the middle of a call: the window goes, the
  // server ends, and later calls fail as with a spreadsheet that was quit.
  sheet->onClose = [] { PostMessageW(theHost->window, WM_CLOSE, 0, 0); };
  win32::DispatchAdapter::setAfterInvoke([] {
    if (!refreshPending && theHost) refreshPending = SetTimer(theHost->window, kRefreshTimer, 100, nullptr) != 0;
  });
  if (!options.open.empty() && !openCsv(options.open)) return 7;
  refresh();

  const int exitCode = tools::serve(kProgram, kClassIdText, host, !options.noObject, options.readyEvent, [] {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  });
  theHost = nullptr;
  return exitCode;
}

int run(HINSTANCE instance) {
  Options options;
  if (!parseOptions(options)) return 2;
  // On Windows that name belongs to the real spreadsheet.
  if (options.registerWhileRunning && text::equalsIgnoreAsciiCase(options.progId, u"Excel.Application") &&
      !win32::runningUnderWine()) {
    tools::report(kProgram, u"Excel.Application は Wine の中でだけ登録します．");
    return 3;
  }
  return tools::withComServer(kProgram, kClassIdText, options, [&] { return runServer(instance, options); });
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return tools::reportingMain(kProgram, [instance] { return run(instance); });
}
