#pragma once
// The program's two kinds of message: the error report that ends a
// command, and the confirmation dialog for expected conditions.
#include <exception>
#include <functional>

#include "platform/dialogs.h"
#include "text/u16.h"

namespace surva::app {

// The application title: the caption of error reports and the prefix of
// the main window's caption.
inline constexpr char16_t kAppTitle[] = u"Surva2024.2.21";
inline constexpr char16_t kConfirmCaption[] = u"確認";

// The text an error report shows: the message with "." appended unless its
// last character is "." or any character of a lower code (blanks, "-",
// ",", ")", "!", ...).
text::u16 errorReportText(text::u16view message);

// Error icon, the application title as caption, OK.
void reportError(platform::Dialogs& dialogs, const std::exception& error);

// Runs a command; an error that escapes it ends the command and is
// reported, and the program goes on. Nested calls (an event raised inside
// a command) let the error through to the outermost one, so the whole
// command ends and one report is shown.
class CommandRunner {
 public:
  explicit CommandRunner(platform::Dialogs* dialogs) : dialogs_(dialogs) {}
  void run(const std::function<void()>& command);
  bool running() const { return depth_ > 0; }
  // Runs `pump` (letting window messages through in the middle of a
  // command) so that the events it dispatches report their own errors.
  void dispatchOutside(const std::function<void()>& pump);

 private:
  platform::Dialogs* dialogs_;
  int depth_ = 0;
};

// Question icon, caption "確認"; the buttons read "OK", "はい(&Y)",
// "いいえ(&N)".
platform::Answer confirm(platform::Dialogs& dialogs, text::u16view message,
                         platform::Buttons buttons = platform::Buttons::Ok);

}  // namespace surva::app
