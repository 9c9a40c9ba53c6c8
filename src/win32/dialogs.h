#pragma once
// Message boxes, file dialogs, the clipboard and the screen through the
// Windows API.
#include <windows.h>

#include "platform/dialogs.h"

namespace surva::win32 {

// "desc|pattern|desc|pattern" as OPENFILENAME wants it: the parts separated
// and ended by NUL, the whole ended by a second NUL.
std::wstring fileFilter(text::u16view filter);

class Win32Dialogs : public platform::Dialogs {
 public:
  // The window that owns the boxes (the main window once it exists); the
  // boxes are modal to it.
  void setOwner(HWND owner) { owner_ = owner; }
  HWND owner() const { return owner_; }

  platform::Answer messageBox(text::u16view message, text::u16view caption, platform::Icon icon,
                              platform::Buttons buttons) override;
  std::optional<text::u16> openFile(const platform::FileDialogRequest& request) override;
  std::optional<text::u16> saveFile(const platform::FileDialogRequest& request) override;

 private:
  std::optional<text::u16> fileDialog(const platform::FileDialogRequest& request, bool save);
  HWND owner_ = nullptr;
};

class Win32Clipboard : public platform::Clipboard {
 public:
  void setOwner(HWND owner) { owner_ = owner; }
  text::u16 getText() override;
  void setText(text::u16view text) override;

 private:
  HWND owner_ = nullptr;
};

class Win32Screen : public platform::Screen {
 public:
  platform::Size primarySize() override;
  bool showsPartOf(int left, int top, platform::Size size) override;
};

}  // namespace surva::win32
