#pragma once
// What both stand-in servers do around their application object: register
// their class while they run, publish the object, tell a waiting test they
// are ready and serve until their window closes.
#include <windows.h>
#include <objbase.h>

#include <cstdio>
#include <functional>
#include <optional>

#include "text/u16.h"
#include "win32/class_factory.h"
#include "win32/class_registration.h"
#include "win32/wide.h"

namespace surva::tools {

// One line on standard error, prefixed with the program's name.
inline void report(const char* program, const text::u16& message) {
  std::fprintf(stderr, "%s: %s\n", program, text::toUtf8(message).c_str());
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

// Publishes `application` in the running object table and as its class's
// object (unless `publish` is false), sets the event a starting test waits
// on, and runs `loop`. Returns the exit code: 6 when the table refuses.
inline int serve(const char* program, const wchar_t* classIdText, IDispatch* application, bool publish,
                 const text::u16& readyEvent, const std::function<void()>& loop) {
  CLSID clsid;
  CLSIDFromString(classIdText, &clsid);
  std::optional<win32::RunningObject> running;
  std::optional<win32::RegisteredClassObject> factory;
  if (publish) {
    running.emplace(clsid, application);
    factory.emplace(clsid, application);
  }
  if (running && FAILED(running->result())) {
    wchar_t code[16];
    swprintf(code, 16, L"%08lX", static_cast<unsigned long>(running->result()));
    report(program, u"実行中オブジェクト表に登録できません（" + win32::fromWideZ(code) + u"）．");
    return 6;
  }
  if (!readyEvent.empty()) {
    if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, win32::wideOf(readyEvent))) {
      SetEvent(ready);
      CloseHandle(ready);
    }
  }
  loop();
  return 0;
}

}  // namespace surva::tools
