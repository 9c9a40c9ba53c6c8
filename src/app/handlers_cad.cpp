// CAD commands: harvest, TEXT list, point picking and panning.
#include "app/main_form.h"

namespace surva::app {

void MainForm::Button12Click() {}
void MainForm::SpeedButton1Click() {}
void MainForm::SpeedButton2Click() {}
void MainForm::SpeedButton3Click() {}
void MainForm::StringGrid1Click() {}
void MainForm::StringGrid2Click() {}

}  // namespace surva::app
