#pragma once
// What both stand-in servers do around their application object: read
// their common options, start COM, register their class while they run,
// put their test members in front of the object, open their window,
// publish the object, tell a waiting test they are ready and serve until
// their window closes.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <cstdio>
#include <exception>
#include <functional>
#include <optional>
#include <utility>

#include "platform/automation.h"
#include "text/error.h"
#include "text/u16.h"
#include "win32/com_apartment.h"
#include "win32/com_ptr.h"
#include "win32/dispatch_adapter.h"
#include "win32/class_factory.h"
#include "win32/class_registration.h"
#include "win32/wide.h"

namespace surva::tools {

// One line on standard error, prefixed with the program's name.
inline void report(const char* program, const text::u16& message) {
  std::fprintf(stderr, "%s: %s\n", program, text::toUtf8(message).c_str());
}

// WinMain's body: `run`, with what it throws reported (exit code 1).
inline int reportingMain(const char* program, const std::function<int()>& run) {
  try {
    return run();
  } catch (const std::exception& e) {
    report(program, messageOf(e));
    return 1;
  }
}

// --progid P, --register and --ready-event E, which both servers take.
struct ServerOptions {
  text::u16 progId;
  bool registerWhileRunning = false;
  text::u16 readyEvent;
};

// The value after an option; nullopt at the end of the command line.
using TakeValue = std::function<std::optional<text::u16>()>;

// Reads the command line into `common` and hands every other argument to
// `own` (false: not one of its options). The "-Embedding" COM adds when it
// starts a server itself is accepted. On an unknown argument or a missing
// value, reports how to call the program (`usage`: what follows its name)
// and returns false.
inline bool parseOptions(const char* program, text::u16view usage, ServerOptions& common,
                         const std::function<bool(text::u16view arg, const TakeValue& value)>& own) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  bool ok = true;
  for (int i = 1; i < argc && ok; ++i) {
    const text::u16 a = win32::fromWideZ(argv[i]);
    const TakeValue value = [&]() -> std::optional<text::u16> {
      if (i + 1 >= argc) return std::nullopt;
      return win32::fromWideZ(argv[++i]);
    };
    std::optional<text::u16> v;
    if (a == u"--progid" && (v = value())) common.progId = *v;
    else if (a == u"--ready-event" && (v = value())) common.readyEvent = *v;
    else if (a == u"--register") common.registerWhileRunning = true;
    else if (text::equalsIgnoreAsciiCase(a, u"-Embedding") || text::equalsIgnoreAsciiCase(a, u"/Embedding")) {
    } else ok = own(a, value);
  }
  LocalFree(argv);
  if (!ok) report(program, u"使い方: " + text::fromUtf8(program) + u" " + text::u16(usage));
  return ok;
}

// A call with an argument the server cannot use.
[[noreturn]] inline void fail(text::u16 message) {
  throw platform::AutomationError(std::move(message), E_INVALIDARG);
}

inline const platform::Variant& argAt(const platform::VariantArray& args, std::size_t i) {
  if (i >= args.size()) fail(u"引数が足りません");
  return args[i];
}

// The application object with the server's test members in front of it:
// a member `own` answers never reaches the application.
class ServerHost : public platform::Object {
 public:
  explicit ServerHost(platform::ObjectPtr application) : inner_(std::move(application)) {}

  platform::Variant get(text::u16view member, const platform::VariantArray& args) override {
    if (auto v = own(member, args)) return *v;
    return inner_->get(member, args);
  }
  void put(text::u16view member, const platform::Variant& value) override { inner_->put(member, value); }
  platform::Variant call(text::u16view member, const platform::VariantArray& args) override {
    if (auto v = own(member, args)) return *v;
    return inner_->call(member, args);
  }

 protected:
  virtual std::optional<platform::Variant> own(text::u16view member, const platform::VariantArray& args) = 0;

 private:
  platform::ObjectPtr inner_;
};

// The server's top-level window of class `windowClass`, shown; nullptr
// without a display (after reporting it).
inline HWND createServerWindow(const char* program, HINSTANCE instance, const wchar_t* windowClass, WNDPROC proc,
                               const wchar_t* cursor, const text::u16& title, RECT bounds, int show) {
  WNDCLASSW wc{};
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, cursor);
  wc.lpszClassName = windowClass;
  RegisterClassW(&wc);
  HWND hwnd = CreateWindowExW(0, windowClass, win32::wideOf(title), WS_OVERLAPPEDWINDOW, bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr, instance,
                              nullptr);
  if (!hwnd) {
    report(program, u"ウィンドウを作れません（ディスプレイがありません）．");
    return nullptr;
  }
  ShowWindow(hwnd, show);
  return hwnd;
}

// What a server's window does with the messages it leaves: closing it ends
// the server.
inline LRESULT defaultWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

inline text::u16 modulePath() {
  wchar_t buffer[MAX_PATH];
  GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return win32::fromWideZ(buffer);
}

// The ProgID and class in the registry; nullopt, after reporting why, when
// the registry refuses.
inline std::optional<win32::ClassRegistration> registerClass(const char* program, text::u16view progId,
                                                             text::u16view classId) {
  text::u16 error;
  auto registration = win32::ClassRegistration::create(progId, classId, modulePath(), error);
  if (!registration) report(program, error);
  return registration;
}

// COM for this thread and, with --register, the class in the registry
// while `body` runs. The exit code: 4 when COM does not start, 3 when the
// registry refuses, else `body`'s.
inline int withComServer(const char* program, const wchar_t* classIdText, const ServerOptions& options,
                         const std::function<int()>& body) {
  win32::ComApartment apartment;
  if (!apartment.ok()) {
    report(program, u"COM を初期化できません．");
    return 4;
  }
  std::optional<win32::ClassRegistration> registration;
  if (options.registerWhileRunning) {
    registration = registerClass(program, options.progId, win32::fromWideZ(classIdText));
    if (!registration) return 3;
  }
  return body();
}

// Publishes `host` in the running object table and as its class's object
// (unless `publish` is false), sets the event a starting test waits on, and
// runs `loop`; then no call reaches the host any more, nor the hook that
// ran after each call. Returns the exit code: 6 when the table refuses.
inline int serve(const char* program, const wchar_t* classIdText, platform::ObjectPtr host, bool publish,
                 const text::u16& readyEvent, const std::function<void()>& loop) {
  auto application = win32::ComPtr<IDispatch>::adopt(win32::DispatchAdapter::wrap(std::move(host)));
  CLSID clsid;
  CLSIDFromString(classIdText, &clsid);
  int exitCode = 0;
  {
    std::optional<win32::RunningObject> running;
    std::optional<win32::RegisteredClassObject> factory;
    if (publish) {
      running.emplace(clsid, application.get());
      factory.emplace(clsid, application.get());
    }
    if (running && FAILED(running->result())) {
      wchar_t code[16];
      swprintf(code, 16, L"%08lX", static_cast<unsigned long>(running->result()));
      report(program, u"実行中オブジェクト表に登録できません（" + win32::fromWideZ(code) + u"）．");
      exitCode = 6;
    } else {
      if (!readyEvent.empty()) {
        if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, win32::wideOf(readyEvent))) {
          SetEvent(ready);
          CloseHandle(ready);
        }
      }
      loop();
    }
  }
  win32::DispatchAdapter::setAfterInvoke(nullptr);
  return exitCode;
}

}  // namespace surva::tools
