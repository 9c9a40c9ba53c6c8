#pragma once
// Every effect outside the process goes through this bundle.
#include "platform/automation.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/window_api.h"
#include "text/codec.h"

namespace surva::platform {

struct Services {
  Automation* automation = nullptr;
  WindowApi* windows = nullptr;
  Clock* clock = nullptr;
  Dialogs* dialogs = nullptr;
  Clipboard* clipboard = nullptr;
  Screen* screen = nullptr;
  Paths* paths = nullptr;
  FileSystem* files = nullptr;
  const text::AnsiCodec* codec = nullptr;
};

}  // namespace surva::platform
