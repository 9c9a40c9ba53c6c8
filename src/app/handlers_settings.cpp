// Start-up, shutdown and the target CAD list.
#include "app/main_form.h"

namespace surva::app {

void MainForm::FormCreate() {
  // The rules are applied once more after the settings are read.
  applyWindowRules();
}

void MainForm::FormClose() {}

void MainForm::SpeedButton5Click() {}

}  // namespace surva::app
