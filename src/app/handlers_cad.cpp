// CAD commands: harvest, TEXT list, point picking and panning.
#include "app/main_form.h"

namespace surva::app {

void MainForm::Button4Click() {}
void MainForm::Button12Click() {}
void MainForm::Button6Click() {}
void MainForm::SpeedButton1Click() {}
void MainForm::SpeedButton2Click() {}
void MainForm::SpeedButton3Click() {}
void MainForm::SpeedButton4Click() {}
void MainForm::StringGrid1Click() {}
void MainForm::StringGrid2Click() {}
void MainForm::StringGrid2DrawCell(int, int, const ui::CellState&, ui::CellStyle&) {}
void MainForm::StringGrid2FixedCellClick(int, int) {}
void MainForm::N17Click() {}
void MainForm::CheckBox1Click() {}

}  // namespace surva::app
