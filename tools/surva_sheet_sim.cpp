// The stand-in spreadsheet as a COM server: its application object in the
// running object table, a top-level window of the spreadsheet's class
// "XLMAIN" showing the active sheet and its selection, and "Sim" members
// through which tests fill cells, switch sheets, script faults and count
// the calls that reached it.
//
//   surva_sheet_sim [--progid P] [--register] [--no-object] [--no-workbook] [--ready-event E]
//
// --register registers P (default Excel.Application) while the server runs
// and removes it at exit. It refuses a ProgID that already names another
// class, and Excel.Application outside Wine: on Windows that name belongs
// to the real spreadsheet. --no-object shows the window only (the object is
// not in the running object table).
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <optional>

#include "platform/automation.h"
#include "sim/sheet_dump.h"
#include "sim/sheet_objects.h"
#include "text/error.h"
#include "text/number.h"
#include "win32/class_factory.h"
#include "win32/class_registration.h"
#include "win32/com_apartment.h"
#include "win32/com_ptr.h"
#include "win32/dispatch_adapter.h"
#include "win32/dispatch_names.h"
#include "win32/wide.h"

using namespace surva;
using platform::Variant;
using platform::VariantArray;
using text::u16;
using text::u16view;

namespace {

constexpr wchar_t kClassIdText[] = L"{3C5B8E52-7A1D-4F0B-9C61-5EE75EE75EE7}";
constexpr wchar_t kWindowClass[] = L"XLMAIN";
constexpr UINT_PTR kRefreshTimer = 1;

struct Options {
  u16 progId = u"Excel.Application";
  bool registerWhileRunning = false;
  bool noObject = false;
  bool noWorkbook = false;
  u16 readyEvent;
};

std::optional<Options> parseOptions() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  Options o;
  bool ok = true;
  for (int i = 1; i < argc && ok; ++i) {
    u16 a = win32::fromWideZ(argv[i]);
    bool hasValue = i + 1 < argc;
    if (a == u"--progid" && hasValue) o.progId = win32::fromWideZ(argv[++i]);
    else if (a == u"--register") o.registerWhileRunning = true;
    else if (a == u"--no-object") o.noObject = true;
    else if (a == u"--no-workbook") o.noWorkbook = true;
    else if (a == u"--ready-event" && hasValue) o.readyEvent = win32::fromWideZ(argv[++i]);
    else if (text::equalsIgnoreAsciiCase(a, u"-Embedding") || text::equalsIgnoreAsciiCase(a, u"/Embedding")) {
    } else ok = false;
  }
  LocalFree(argv);
  if (!ok) return std::nullopt;
  return o;
}

void report(const u16& message) { std::fprintf(stderr, "surva_sheet_sim: %s\n", text::toUtf8(message).c_str()); }

[[noreturn]] void fail(u16 message) { throw platform::AutomationError(std::move(message), E_INVALIDARG); }

const Variant& argAt(const VariantArray& args, std::size_t i) {
  if (i >= args.size()) fail(u"引数が足りません");
  return args[i].deref();
}

bool is(u16view a, const char16_t* b) { return text::equalsIgnoreAsciiCase(a, b); }

// --- the host: the application object plus the test members ---------------

class SheetHost : public platform::Object {
 public:
  explicit SheetHost(std::shared_ptr<sim::Spreadsheet> sheet)
      : sheet_(sheet), inner_(sim::makeSheetApplication(sheet)) {}

  HWND window = nullptr;

  Variant get(u16view member, const VariantArray& args) override {
    if (auto v = own(member, args)) return *v;
    return inner_->get(member, args);
  }
  void put(u16view member, const Variant& value) override { inner_->put(member, value); }
  Variant call(u16view member, const VariantArray& args) override {
    if (auto v = own(member, args)) return *v;
    return inner_->call(member, args);
  }

  u16 listing() { return sim::dumpActiveSheet(*sheet_); }

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
  // SimCallCount([member]); SimGetIDsOfNamesCount; SimRanges (made/released);
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
    else if (is(m, u"SimRanges")) {
      return Variant(VariantArray{Variant(static_cast<std::int32_t>(sheet_->rangesMade)),
                                  Variant(static_cast<std::int32_t>(sheet_->rangesReleased))});
    } else if (is(m, u"SimResetCounts")) {
      names.resetLookups();
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
  platform::ObjectPtr inner_;
};

SheetHost* theHost = nullptr;
HWND theList = nullptr;
bool refreshPending = false;

void refreshListing() {
  refreshPending = false;
  if (!theHost || !theList) return;
  u16 text = theHost->listing();
  SendMessageW(theList, WM_SETREDRAW, FALSE, 0);
  SendMessageW(theList, LB_RESETCONTENT, 0, 0);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == u16::npos) end = text.size();
    u16 line = text.substr(start, end - start);
    SendMessageW(theList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::wideOf(line)));
    start = end + 1;
  }
  SendMessageW(theList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(theList, nullptr, TRUE);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (theList) MoveWindow(theList, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case WM_TIMER:
      if (wp == kRefreshTimer) {
        KillTimer(hwnd, kRefreshTimer);
        refreshListing();
      }
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

HWND createWindow(HINSTANCE instance) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, kWindowClass, L"SurvaSim Excel", WS_OVERLAPPEDWINDOW, 80, 80, 640, 480, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return nullptr;
  theList = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0, 640,
                            480, hwnd, nullptr, instance, nullptr);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  return hwnd;
}

u16 modulePath() {
  wchar_t buffer[MAX_PATH];
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return win32::fromWideZ(buffer);
}

void signalReady(const u16& name) {
  if (name.empty()) return;
  if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, win32::wideOf(name))) {
    SetEvent(ready);
    CloseHandle(ready);
  }
}

int run(HINSTANCE instance) {
  auto options = parseOptions();
  if (!options) {
    report(u"使い方: surva_sheet_sim [--progid P] [--register] [--no-object] [--no-workbook] [--ready-event E]");
    return 2;
  }
  const u16 classId = win32::fromWideZ(kClassIdText);
  win32::ComApartment apartment;
  if (!apartment.ok()) {
    report(u"COM を初期化できません．");
    return 4;
  }
  std::optional<win32::ClassRegistration> registration;
  if (options->registerWhileRunning) {
    if (text::equalsIgnoreAsciiCase(options->progId, u"Excel.Application") && !win32::runningUnderWine()) {
      report(u"Excel.Application は Wine の中でだけ登録します．");
      return 3;
    }
    u16 error;
    registration = win32::ClassRegistration::create(options->progId, classId, modulePath(), error);
    if (!registration) {
      report(error);
      return 3;
    }
  }

  auto sheet = std::make_shared<sim::Spreadsheet>();
  if (options->noWorkbook) sheet->closeAllBooks();
  auto host = std::make_shared<SheetHost>(sheet);
  theHost = host.get();
  host->window = createWindow(instance);
  if (!host->window) {
    report(u"ウィンドウを作れません（ディスプレイがありません）．");
    return 5;
  }
  // Closed by the test in the middle of a call: the window goes, the
  // server ends, and later calls fail as with a spreadsheet that was quit.
  sheet->onClose = [] { PostMessageW(theHost->window, WM_CLOSE, 0, 0); };
  win32::DispatchAdapter::setAfterInvoke([] {
    if (!refreshPending && theHost) refreshPending = SetTimer(theHost->window, kRefreshTimer, 100, nullptr) != 0;
  });
  refreshListing();

  CLSID clsid;
  CLSIDFromString(kClassIdText, &clsid);
  auto application = win32::ComPtr<IDispatch>::adopt(win32::DispatchAdapter::wrap(host));
  int exitCode = 0;
  {
    std::optional<win32::RunningObject> running;
    std::optional<win32::RegisteredClassObject> factory;
    if (!options->noObject) {
      running.emplace(clsid, application.get());
      factory.emplace(clsid, application.get());
    }
    if (running && FAILED(running->result())) {
      wchar_t code[16];
      swprintf(code, 16, L"%08lX", static_cast<unsigned long>(running->result()));
      report(u"実行中オブジェクト表に登録できません（" + win32::fromWideZ(code) + u"）．");
      exitCode = 6;
    } else {
      signalReady(options->readyEvent);
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  }
  win32::DispatchAdapter::setAfterInvoke(nullptr);
  theHost = nullptr;
  application.reset();
  return exitCode;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  try {
    return run(instance);
  } catch (const std::exception& e) {
    report(messageOf(e));
    return 1;
  }
}
