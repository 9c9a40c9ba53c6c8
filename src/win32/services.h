#pragma once
// The Windows implementations of every platform service, owned together.
#include <memory>

#include "platform/services.h"
#include "win32/ansi_codec.h"
#include "win32/dialogs.h"
#include "win32/files.h"
#include "win32/window_api.h"

namespace surva::win32 {

struct Win32Services {
  Win32WindowApi windows;
  Win32Clock clock;
  Win32Dialogs dialogs;
  Win32Clipboard clipboard;
  Win32Screen screen;
  Win32Paths paths;
  Win32FileSystem files;
  AnsiCodePage codec;

  // The owner of message boxes, file dialogs and the clipboard.
  void setOwner(HWND owner) {
    dialogs.setOwner(owner);
    clipboard.setOwner(owner);
  }
  // The bundle the portable code takes. Automation comes from the COM
  // client, which the caller owns; null until it is given.
  platform::Services bundle(platform::Automation* automation = nullptr);
};

std::unique_ptr<Win32Services> makeServices();

}  // namespace surva::win32
