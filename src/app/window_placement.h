#pragma once
// Where the main window starts.
#include "app/ini_file.h"
#include "platform/dialogs.h"

namespace surva::app {

struct WindowPosition {
  int left = 0;
  int top = 0;
  bool operator==(const WindowPosition&) const = default;
};

// Form/Left and Form/Top, centred on the screen by default (halves
// truncated), then kept from running off the screen to the right and at the
// bottom. A window placed left of or above the screen stays there.
WindowPosition placeWindow(const IniFile& ini, platform::Size screen, platform::Size window);

}  // namespace surva::app
