// The spreadsheet link.
#include "app/main_form.h"

namespace surva::app {

void MainForm::Button1Click() {}
void MainForm::Button5Click() {}
void MainForm::Button7Click() {}
void MainForm::UpDown1Click(ui::UpDownButton) {}
void MainForm::UpDown2Click(ui::UpDownButton) {}
void MainForm::UpDown3Click(ui::UpDownButton) {}
void MainForm::UpDown4Click(ui::UpDownButton) {}
void MainForm::UpDown5Click(ui::UpDownButton) {}

}  // namespace surva::app
