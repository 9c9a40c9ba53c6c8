// SIMA files: reading and writing.
#include "app/main_form.h"

namespace surva::app {

void MainForm::Button9Click() {}
void MainForm::CheckBox13Click() {}
void MainForm::Button10Click() {}
void MainForm::CheckBox14Click() {}
void MainForm::Button11Click() {}

}  // namespace surva::app
