#pragma once
// The stand-in CAD application: one drawing, its command line, the scripted
// user, the main window's state, and a log of every automation call.
#include <functional>
#include <map>
#include <memory>

#include "platform/files.h"
#include "platform/window_api.h"
#include "sim/call_log.h"
#include "sim/command_line.h"
#include "sim/drawing.h"
#include "sim/user_actions.h"

namespace surva::sim {

struct CadOptions {
  text::u16 name = u"GstarCAD";
  platform::WindowHandle window = 0x1001;
  // Which state members the application offers: an AutoCAD has only
  // GetAcadState, older GstarCADs GetGcadState, ZWCAD GetZcadState.
  std::vector<text::u16> stateMembers = {u"GetAcadState", u"GetGcadState", u"GetZcadState"};
  // Refuse drawing calls (RPC_E_CALL_REJECTED) while a command waits for
  // input, as a CAD does that is busy with its command line.
  bool rejectWhileBusy = false;
};

class Cad {
 public:
  // Inserted files are read through `files` and decoded with `codec`.
  Cad(platform::FileSystem& files, const text::AnsiCodec& codec, CadOptions options = {});

  Drawing& drawing() { return drawing_; }
  CommandLine& commandLine() { return commandLine_; }
  UserActions& user() { return user_; }
  CallLog& calls() { return calls_; }
  const CadOptions& options() const { return options_; }
  platform::FileSystem& files() { return files_; }
  const text::AnsiCodec& codec() const { return codec_; }

  // The window as the window functions see it.
  platform::WindowHandle window() const { return options_.window; }
  bool iconic = false;

  // A key reached the CAD window (keybd_event while it is in front).
  void keyEvent(std::uint8_t virtualKey, std::uint32_t flags);
  // The user presses Esc: cancels the pending command or input.
  void escape();
  // The user closes the CAD: every later call fails as with a vanished server.
  void close() { closed_ = true; }
  bool closed() const { return closed_; }
  // The CAD goes away in the middle of a command: the call after the next
  // `calls` calls (and every one after it) fails, and `onClosed` runs once
  // (a COM host ends its process there).
  void closeAfterCalls(int calls) { closeCountdown_ = calls; }
  std::function<void()> onClosed;

  // Quiescence as a state poll sees it; the user gets one scripted step
  // first when a command waits for input.
  bool pollQuiescent();
  // The next user action for a call that blocks until the user has acted
  // (SelectOnScreen, GetPoint, GetEntity). Throws when nothing is scripted.
  UserAction awaitUser();

  // Makes every call of `member` (any object, without regard to case) fail
  // with `message` until cleared; `times` < 0 means always.
  void failMember(text::u16view member, text::u16 message = u"stand-in failure", int times = -1);
  void clearFailures() { failures_.clear(); }
  // Throws when the member is set to fail or the CAD is closed.
  void checkCall(text::u16view object, text::u16view member);

 private:
  struct FailureSpec {
    text::u16 message;
    int times;
  };
  platform::FileSystem& files_;
  const text::AnsiCodec& codec_;
  CadOptions options_;
  Drawing drawing_;
  CommandLine commandLine_;
  UserActions user_;
  CallLog calls_;
  bool closed_ = false;
  int closeCountdown_ = -1;
  std::map<text::u16, FailureSpec> failures_;
};

}  // namespace surva::sim
