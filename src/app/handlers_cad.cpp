// CAD commands: harvest, TEXT list, point picking and panning.
#include "app/main_form.h"

namespace surva::app {

void MainForm::Button4Click() {}
void MainForm::Button6Click() {}
void MainForm::SpeedButton4Click() {}
void MainForm::StringGrid2DrawCell(int, int, const ui::CellState&, ui::CellStyle&) {}
void MainForm::StringGrid2FixedCellClick(int, int) {}
void MainForm::N17Click() {}
void MainForm::CheckBox1Click() {}

}  // namespace surva::app
