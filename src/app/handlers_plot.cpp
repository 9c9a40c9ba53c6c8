// Plotting into CAD, the coordinate table and the plot range.
#include "app/main_form.h"

namespace surva::app {

void MainForm::Button2Click() {}
void MainForm::Button3Click() {}
void MainForm::Edit31Change() {}
void MainForm::StringGrid1DrawCell(int, int, const ui::CellState&, ui::CellStyle&) {}

}  // namespace surva::app
