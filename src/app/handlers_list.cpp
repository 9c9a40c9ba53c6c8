// List editing commands of the pop-up menu and the keys of the four grids.
#include "app/main_form.h"

namespace surva::app {

void MainForm::N1Click() {}
void MainForm::N2Click() {}
void MainForm::N4Click() {}
void MainForm::N5Click() {}
void MainForm::N7Click() {}
void MainForm::N8Click() {}
void MainForm::N10Click() {}
void MainForm::N13Click() {}
void MainForm::N15Click() {}
void MainForm::StringGrid1KeyDown(ui::KeyCode&, ui::ShiftState) {}
void MainForm::StringGrid2KeyDown(ui::KeyCode&, ui::ShiftState) {}
void MainForm::StringGrid3KeyDown(ui::KeyCode&, ui::ShiftState) {}
void MainForm::StringGrid4KeyDown(ui::KeyCode&, ui::ShiftState) {}
void MainForm::StringGrid3DrawCell(int, int, const ui::CellState&, ui::CellStyle&) {}
void MainForm::StringGrid4DrawCell(int, int, const ui::CellState&, ui::CellStyle&) {}

}  // namespace surva::app
