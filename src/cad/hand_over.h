#pragma once
// Giving the screen to CAD while the user works there, and taking it back.
#include "platform/window_api.h"

namespace surva::cad {

// The main window as the CAD commands need it; the application implements it.
class MainWindowState {
 public:
  virtual ~MainWindowState() = default;
  virtual void minimise() = 0;
  // Back to the normal state (not minimised).
  virtual void restore() = 0;
};

// Minimise the main window and give CAD 100 ms to come up.
void HandOverToCad(MainWindowState& main, platform::Clock& clock);
void TakeBackFromCad(MainWindowState& main);

}  // namespace surva::cad
