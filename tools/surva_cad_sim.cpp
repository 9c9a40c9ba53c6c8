// The stand-in CAD as a COM server: its application object in the running
// object table, a window listing the drawing, and "Sim" members through
// which tests script the user and read what reached the CAD.
//
//   surva_cad_sim [--progid P] [--register] [--minimized] [--ready-event E]
//   surva_cad_sim [--progid P] --regserver | --unregserver
//
// --register registers P (default SurvaSim.Application) while the server
// runs and removes it at exit; --regserver / --unregserver only write or
// remove the keys (a CAD installed but not running). A ProgID that already
// names another class is never taken over.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/automation.h"
#include "sim/dump.h"
#include "sim/dxf_reader.h"
#include "sim/insert.h"
#include "sim/objects.h"
#include "text/error.h"
#include "text/number.h"
#include "win32/busy_message_filter.h"
#include "win32/class_factory.h"
#include "win32/class_registration.h"
#include "win32/com_apartment.h"
#include "win32/com_ptr.h"
#include "win32/dispatch_adapter.h"
#include "win32/dispatch_names.h"
#include "win32/dispatch_type_info.h"
#include "win32/services.h"
#include "win32/wide.h"

using namespace surva;
using platform::Variant;
using platform::VariantArray;
using text::u16;
using text::u16view;

namespace {

constexpr wchar_t kClassIdText[] = L"{896B1D2D-C608-4E3B-BB1D-2DCD1B78FE7A}";
constexpr wchar_t kWindowClass[] = L"SurvaSimCad";
constexpr UINT kRefreshMessage = WM_APP + 1;

struct Options {
  u16 progId = u"SurvaSim.Application";
  bool registerWhileRunning = false;
  bool regServer = false;
  bool unregServer = false;
  bool minimized = false;
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
    else if (a == u"--regserver") o.regServer = true;
    else if (a == u"--unregserver") o.unregServer = true;
    else if (a == u"--minimized") o.minimized = true;
    else if (a == u"--ready-event" && hasValue) o.readyEvent = win32::fromWideZ(argv[++i]);
    else if (text::equalsIgnoreAsciiCase(a, u"-Embedding") || text::equalsIgnoreAsciiCase(a, u"/Embedding")) {
    } else ok = false;
  }
  LocalFree(argv);
  if (!ok) return std::nullopt;
  return o;
}

void report(const u16& message) { std::fprintf(stderr, "surva_cad_sim: %s\n", text::toUtf8(message).c_str()); }

[[noreturn]] void fail(u16 message) { throw platform::AutomationError(std::move(message), E_INVALIDARG); }

const Variant& argAt(const VariantArray& args, std::size_t i) {
  if (i >= args.size()) fail(u"引数が足りません");
  return args[i];
}

// --- the host: window, test members ----------------------------------------

class SimHost : public platform::Object {
 public:
  SimHost(std::shared_ptr<sim::Cad> cad, win32::BusyMessageFilter* filter)
      : cad_(cad), inner_(sim::makeApplication(cad)), filter_(filter) {}

  // A key reached the CAD's window.
  void key(WPARAM vk, bool down) {
    keys.push_back(text::intToText(static_cast<long long>(vk)) + (down ? u" down" : u" up"));
    cad_->keyEvent(static_cast<std::uint8_t>(vk), down ? 0 : platform::kKeyEventKeyUp);
  }

  HWND window = nullptr;
  std::vector<u16> keys;  // keys that reached the window, "27 down" / "27 up"

  Variant get(u16view member, const VariantArray& args) override {
    if (auto v = own(member, args)) return *v;
    return inner_->get(member, args);
  }
  void put(u16view member, const Variant& value) override { inner_->put(member, value); }
  Variant call(u16view member, const VariantArray& args) override {
    if (auto v = own(member, args)) return *v;
    return inner_->call(member, args);
  }

  // What the window shows: the layers, then the entities.
  u16 listing() {
    return u"[画層]\n" + text::fromUtf8(sim::dumpLayers(cad_->drawing())) + u"[図形]\n" +
           text::fromUtf8(sim::dumpEntities(cad_->drawing()));
  }

 private:
  static bool is(u16view a, const char16_t* b) { return text::equalsIgnoreAsciiCase(a, b); }

  std::optional<Variant> own(u16view m, const VariantArray& args) {
    if (is(m, u"HWND")) return Variant(static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window)));
    if (m.size() < 3 || !is(m.substr(0, 3), u"Sim")) return std::nullopt;
    auto& names = win32::DispatchNames::shared();
    if (auto v = scriptUser(m, args)) return *v;
    if (auto v = readState(m, args)) return *v;
    if (is(m, u"SimEcho")) return argAt(args, 0).deref();
    if (is(m, u"SimFail")) throw platform::AutomationError(argAt(args, 0).toText(), E_FAIL);
    if (is(m, u"SimOut")) {
      // SimOut(ref, value): writes value into the caller's by-reference cell.
      *argAt(args, 0).refCell() = argAt(args, 1).deref();
      return Variant(true);
    }
    if (is(m, u"SimGetIDsOfNamesCount")) {
      long n = args.empty() ? names.lookups() : names.lookups(args[0].toText());
      return Variant(static_cast<std::int32_t>(n));
    }
    if (is(m, u"SimResetCounts")) {
      names.resetLookups();
      cad_->calls().clear();
      win32::dispatch_types::typeInfoRequests() = 0;
      win32::dispatch_types::typeAttrRequests() = 0;
      keys.clear();
      return Variant();
    }
    if (is(m, u"SimBusy")) {
      filter_->beBusyFor(static_cast<DWORD>(argAt(args, 0).toInt()));
      return Variant();
    }
    if (is(m, u"SimRejectedCount")) return Variant(static_cast<std::int32_t>(filter_->rejected()));
    if (is(m, u"SimKeys")) {
      u16 out;
      for (auto& k : keys) out += (out.empty() ? u"" : u",") + k;
      return Variant(out);
    }
    if (is(m, u"SimIsIconic")) return Variant(IsIconic(window) != FALSE);
    if (is(m, u"SimMinimize")) {
      ShowWindow(window, SW_MINIMIZE);
      return Variant(IsIconic(window) != FALSE);
    }
    if (is(m, u"SimIsForeground")) return Variant(GetForegroundWindow() == window);
    if (is(m, u"SimListing")) return Variant(listing());
    if (is(m, u"SimSetVariable")) {
      cad_->drawing().variables().setRaw(argAt(args, 0).toText(), argAt(args, 1).deref());
      return Variant();
    }
    if (is(m, u"SimLoadDxf")) {
      // SimLoadDxf(path): the entities of an R12 DXF file, as drawn by the user.
      auto bytes = files_.readFile(argAt(args, 0).toText());
      if (!bytes) fail(u"ファイルを読めません: " + argAt(args, 0).toText());
      auto content = sim::readDxf(*bytes, codec_);
      return Variant(static_cast<std::int32_t>(sim::insertContent(cad_->drawing(), content, {})));
    }
    if (is(m, u"SimExitAfterCalls")) {
      // The CAD dies in the middle of a command: the process ends inside
      // the call after the next n calls, without answering it.
      cad_->closeAfterCalls(argAt(args, 0).toInt());
      cad_->onClosed = [] { TerminateProcess(GetCurrentProcess(), 9); };
      return Variant();
    }
    if (is(m, u"SimCallTotal")) return Variant(static_cast<std::int32_t>(cad_->calls().records().size()));
    if (is(m, u"SimTypeInfoCount")) {
      return Variant(static_cast<std::int32_t>(win32::dispatch_types::typeInfoRequests()));
    }
    if (is(m, u"SimTypeAttrCount")) {
      return Variant(static_cast<std::int32_t>(win32::dispatch_types::typeAttrRequests()));
    }
    if (is(m, u"SimQuit")) {
      PostMessageW(window, WM_CLOSE, 0, 0);
      return Variant();
    }
    return std::nullopt;
  }

  // SimQueuePickPoint(point), SimQueuePickEntity(handle, point),
  // SimQueueSelect(handles: array or "2F0,2F1"), SimQueueFinish,
  // SimQueueEscape, SimQueueWait(polls), SimQueueClose: what the user does
  // when the CAD next waits for them.
  std::optional<Variant> scriptUser(u16view m, const VariantArray& args) {
    using sim::UserAction;
    auto& user = cad_->user();
    auto point = [&](std::size_t i) {
      if (i >= args.size()) return sim::Vec3{};
      auto d = args[i].toDoubles();
      d.resize(3, 0.0);
      return sim::Vec3{d[0], d[1], d[2]};
    };
    if (is(m, u"SimQueuePickPoint")) user.push(UserAction::pickPoint(point(0)));
    else if (is(m, u"SimQueuePickEntity")) user.push(UserAction::pickEntity(argAt(args, 0).toText(), point(1)));
    else if (is(m, u"SimQueueSelect")) user.push(UserAction::select(handlesOf(argAt(args, 0))));
    else if (is(m, u"SimQueueFinish")) user.push(UserAction::finish());
    else if (is(m, u"SimQueueEscape")) user.push(UserAction::escape());
    else if (is(m, u"SimQueueWait")) user.push(UserAction::wait(argAt(args, 0).toInt()));
    else if (is(m, u"SimQueueClose")) user.push(UserAction::close());
    else return std::nullopt;
    return Variant(static_cast<std::int32_t>(user.size()));
  }

  static std::vector<u16> handlesOf(const Variant& v) {
    std::vector<u16> out;
    if (v.deref().isArray()) {
      for (auto& h : v.toArray()) out.push_back(h.toText());
      return out;
    }
    u16 all = v.toText();
    std::size_t start = 0;
    while (start <= all.size()) {
      std::size_t end = all.find(u',', start);
      if (end == u16::npos) end = all.size();
      if (auto h = text::trim(all.substr(start, end - start)); !h.empty()) out.push_back(h);
      start = end + 1;
    }
    return out;
  }

  // SimEntities, SimLayers, SimCommandLog, SimCalls: text, one line each;
  // SimCallCount(member): automation calls of that member so far;
  // SimPendingActions: scripted user actions not yet taken.
  std::optional<Variant> readState(u16view m, const VariantArray& args) {
    if (is(m, u"SimEntities")) return Variant(text::fromUtf8(sim::dumpEntities(cad_->drawing())));
    if (is(m, u"SimLayers")) return Variant(text::fromUtf8(sim::dumpLayers(cad_->drawing())));
    if (is(m, u"SimCommandLog")) {
      std::string out;
      for (auto& line : cad_->commandLine().log()) out += line + "\n";
      return Variant(text::fromUtf8(out));
    }
    if (is(m, u"SimCalls")) return Variant(text::fromUtf8(cad_->calls().text()));
    if (is(m, u"SimCallCount")) {
      return Variant(static_cast<std::int32_t>(cad_->calls().count(argAt(args, 0).toText())));
    }
    if (is(m, u"SimPendingActions")) return Variant(static_cast<std::int32_t>(cad_->user().size()));
    return std::nullopt;
  }

  std::shared_ptr<sim::Cad> cad_;
  platform::ObjectPtr inner_;
  win32::BusyMessageFilter* filter_;
  win32::Win32FileSystem files_;
  win32::AnsiCodePage codec_;
};

SimHost* theHost = nullptr;
HWND theList = nullptr;
bool refreshPosted = false;

void refreshListing() {
  refreshPosted = false;
  if (!theHost || !theList) return;
  u16 text = theHost->listing();
  SendMessageW(theList, LB_RESETCONTENT, 0, 0);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == u16::npos) end = text.size();
    u16 line = text.substr(start, end - start);
    SendMessageW(theList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win32::wideOf(line)));
    start = end + 1;
  }
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (theList) MoveWindow(theList, 0, 0, LOWORD(lp), HIWORD(lp), TRUE);
      return 0;
    case kRefreshMessage:
      refreshListing();
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

HWND createWindow(HINSTANCE instance, const u16& progId, bool minimized) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = windowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpszClassName = kWindowClass;
  RegisterClassW(&wc);
  u16 title = u"SurvaSim CAD - " + progId;
  HWND hwnd = CreateWindowExW(0, kWindowClass, win32::wideOf(title), WS_OVERLAPPEDWINDOW, 40, 40, 640, 480, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return nullptr;
  theList = CreateWindowExW(0, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 0, 0, 640,
                            480, hwnd, nullptr, instance, nullptr);
  ShowWindow(hwnd, minimized ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
  return hwnd;
}

u16 modulePath() {
  wchar_t buffer[MAX_PATH];
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return win32::fromWideZ(buffer);
}

int run(HINSTANCE instance) {
  auto options = parseOptions();
  if (!options) {
    report(u"使い方: surva_cad_sim [--progid P] [--register] [--minimized] [--ready-event E] | --regserver | --unregserver");
    return 2;
  }
  const u16 classId = win32::fromWideZ(kClassIdText);
  if (options->unregServer) {
    win32::ClassRegistration::remove(options->progId, classId);
    return 0;
  }
  if (options->regServer) {
    u16 error;
    auto registration = win32::ClassRegistration::create(options->progId, classId, modulePath(), error);
    if (!registration) {
      report(error);
      return 3;
    }
    registration->keep();
    return 0;
  }

  win32::ComApartment apartment;
  if (!apartment.ok()) {
    report(u"COM を初期化できません．");
    return 4;
  }
  std::optional<win32::ClassRegistration> registration;
  if (options->registerWhileRunning) {
    u16 error;
    registration = win32::ClassRegistration::create(options->progId, classId, modulePath(), error);
    if (!registration) {
      report(error);
      return 3;
    }
  }

  auto filter = win32::ComPtr<win32::BusyMessageFilter>::adopt(win32::BusyMessageFilter::Create());
  win32::ComPtr<IMessageFilter> previousFilter;
  CoRegisterMessageFilter(filter.get(), previousFilter.put());

  static win32::Win32FileSystem files;
  static win32::AnsiCodePage codec;
  auto cad = std::make_shared<sim::Cad>(files, codec);
  auto host = std::make_shared<SimHost>(cad, filter.get());
  theHost = host.get();
  host->window = createWindow(instance, options->progId, options->minimized);
  if (!host->window) {
    report(u"ウィンドウを作れません（ディスプレイがありません）．");
    return 5;
  }
  win32::DispatchAdapter::setAfterInvoke([] {
    if (!refreshPosted && theHost) refreshPosted = PostMessageW(theHost->window, kRefreshMessage, 0, 0);
  });
  refreshListing();

  CLSID clsid;
  CLSIDFromString(kClassIdText, &clsid);
  auto application = win32::ComPtr<IDispatch>::adopt(win32::DispatchAdapter::wrap(host));
  int exitCode = 0;
  {
    win32::RunningObject running(clsid, application.get());
    win32::RegisteredClassObject factory(clsid, application.get());
    if (FAILED(running.result())) {
      wchar_t code[16];
      swprintf(code, 16, L"%08lX", static_cast<unsigned long>(running.result()));
      report(u"実行中オブジェクト表に登録できません（" + win32::fromWideZ(code) + u"）．");
      exitCode = 6;
    } else {
      if (!options->readyEvent.empty()) {
        if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, win32::wideOf(options->readyEvent))) {
          SetEvent(ready);
          CloseHandle(ready);
        }
      }
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        // Keys reach the CAD whichever of its windows has the focus.
        if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
            (msg.hwnd == host->window || IsChild(host->window, msg.hwnd))) {
          host->key(msg.wParam, msg.message == WM_KEYDOWN);
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
      }
    }
  }
  win32::DispatchAdapter::setAfterInvoke(nullptr);
  theHost = nullptr;
  application.reset();
  CoRegisterMessageFilter(previousFilter.get(), nullptr);
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
