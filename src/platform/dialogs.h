#pragma once
// Message boxes and file dialogs.
#include <optional>

#include "text/u16.h"

namespace surva::platform {

enum class Icon { None, Error, Warning, Information, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
  text::u16 filter;  // "*.sim|*.sim|*.*|*.*": description|pattern pairs
  text::u16 defaultExtension;
  text::u16 initialName;
};

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message box with the given caption, icon and buttons ("OK",
  // "はい(&Y)", "いいえ(&N)" on the buttons).
  virtual Answer messageBox(text::u16view message, text::u16view caption, Icon icon, Buttons buttons) = 0;
  // nullopt when the user cancels.
  virtual std::optional<text::u16> openFile(const FileDialogRequest& request) = 0;
  virtual std::optional<text::u16> saveFile(const FileDialogRequest& request) = 0;
};

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Plain text; empty when the clipboard holds no text. Throws Failure when
  // the clipboard cannot be opened.
  virtual text::u16 getText() = 0;
  virtual void setText(text::u16view text) = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

class Screen {
 public:
  virtual ~Screen() = default;
  // The primary monitor, in screen pixels.
  virtual Size primarySize() = 0;
  // Whether some monitor shows part of this rectangle (screen pixels).
  virtual bool showsPartOf(int left, int top, Size size) {
    const Size screen = primarySize();
    return left < screen.width && top < screen.height && left + size.width > 0 && top + size.height > 0;
  }
};

}  // namespace surva::platform
