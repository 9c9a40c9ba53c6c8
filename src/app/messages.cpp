#include "app/messages.h"

#include "text/error.h"

namespace surva::app {

text::u16 errorReportText(text::u16view message) {
  text::u16 out(message);
  if (out.empty() || out.back() > u'.') out += u'.';
  return out;
}

void reportError(platform::Dialogs& dialogs, const std::exception& error) {
  dialogs.messageBox(errorReportText(messageOf(error)), kAppTitle, platform::Icon::Error, platform::Buttons::Ok);
}

void CommandRunner::run(const std::function<void()>& command) {
  if (depth_ > 0) {
    command();
    return;
  }
  struct Depth {
    int& d;
    explicit Depth(int& x) : d(x) { ++d; }
    ~Depth() { --d; }
  } depth(depth_);
  try {
    command();
  } catch (const std::exception& e) {
    if (dialogs_) reportError(*dialogs_, e);
  } catch (...) {
    if (dialogs_) reportError(*dialogs_, std::runtime_error("Unexpected error"));
  }
}

void CommandRunner::dispatchOutside(const std::function<void()>& pump) {
  int saved = depth_;
  depth_ = 0;
  try {
    pump();
  } catch (...) {
    depth_ = saved;
    throw;
  }
  depth_ = saved;
}

platform::Answer confirm(platform::Dialogs& dialogs, text::u16view message, platform::Buttons buttons) {
  return dialogs.messageBox(message, kConfirmCaption, platform::Icon::Question, buttons);
}

}  // namespace surva::app
