#pragma once
// The program from start to end: the main window with its start-up, the
// hidden target CAD list dialog, and shutdown when the main window closes.
#include <memory>

#include "app/app_state.h"
#include "app/main_form.h"
#include "app/target_cad_form.h"

namespace surva::app {

class Program {
 public:
  // Creates the main window (running its start-up) and then the dialog.
  Program(platform::Services& services, ui::Backend* backend = nullptr,
          MessageFilterRegistration* messageFilter = nullptr);
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  AppState& state() { return state_; }
  MainForm& mainForm() { return *main_; }
  TTargetCADForm& targetCadForm() { return *targetCad_; }

 private:
  AppState state_;
  std::unique_ptr<MainForm> main_;
  std::unique_ptr<TTargetCADForm> targetCad_;
};

}  // namespace surva::app
