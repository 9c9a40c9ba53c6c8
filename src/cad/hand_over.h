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

// The screen handed to CAD for a scope: taken back at `takeBack` or, when
// an error ends the command first, as the scope ends, so that the error is
// reported over a window the user can see.
class HandOverScope {
 public:
  HandOverScope(MainWindowState& main, platform::Clock& clock) : main_(main) { HandOverToCad(main, clock); }
  ~HandOverScope();
  void takeBack();
  // Leaves the screen with CAD past this scope; the caller takes it back.
  void keepHandedOver() { handedOver_ = false; }
  HandOverScope(const HandOverScope&) = delete;
  HandOverScope& operator=(const HandOverScope&) = delete;

 private:
  MainWindowState& main_;
  bool handedOver_ = true;
};

}  // namespace surva::cad
