// List editing commands of the pop-up menu and the keys of the four grids.
#include "app/main_form.h"
#include "points/grid_keys.h"
#include "points/list_commands.h"
#include "points/sima_cell_style.h"

namespace surva::app {

namespace {

points::RowPanelSink rowPanelOf(ui::StatusBar& bar) {
  return [&bar](const text::u16& t) { bar.setPanelText(0, t); };
}

// The keys that change cells commit an open editor through the grid, but
// Ctrl+C changes nothing and Ctrl+X copies before it clears: commit here, so
// that the copy holds what the user typed.
void commitBeforeCopy(ui::StringGrid& grid, ui::KeyCode key, ui::ShiftState shift) {
  if (grid.editorMode() && shift.ctrl && (key == 'C' || key == 'X')) grid.endEdit(true);
}

void gridKeys(ui::StringGrid& grid, platform::Services& services, ui::KeyCode& key, ui::ShiftState shift) {
  commitBeforeCopy(grid, key, shift);
  points::HandleGridKeys(grid.cells(), grid.editorMode(), key, shift, *services.clipboard);
}

}  // namespace

void MainForm::N1Click() { points::CopySelection(StringGrid1.cells(), *services().clipboard); }
void MainForm::N2Click() { points::CopyAll(StringGrid1.cells(), *services().clipboard); }
void MainForm::N4Click() {
  points::PasteAtCurrentCell(StringGrid1.cells(), *services().clipboard, rowPanelOf(StatusBar1));
}
void MainForm::N5Click() { points::PasteAtFirstCell(StringGrid1.cells(), *services().clipboard); }
void MainForm::N7Click() { points::ClearAllData(StringGrid1.cells()); }
void MainForm::N8Click() { points::ClearSelection(StringGrid1.cells()); }
void MainForm::N10Click() { points::SortListByStationName(StringGrid1.cells()); }
void MainForm::N13Click() { points::RemoveRepeatedRows(StringGrid1.cells()); }
void MainForm::N15Click() { points::SortListByStationNumber(StringGrid1.cells()); }

void MainForm::StringGrid1KeyDown(ui::KeyCode& key, ui::ShiftState shift) {
  if (undoKeys(StringGrid1, key, shift)) return;
  commitBeforeCopy(StringGrid1, key, shift);
  points::MainListKeyDown(StringGrid1.cells(), StringGrid1.editorMode(), key, shift, *services().clipboard,
                          rowPanelOf(StatusBar1));
}
void MainForm::StringGrid2KeyDown(ui::KeyCode& key, ui::ShiftState shift) {
  if (undoKeys(StringGrid2, key, shift)) return;
  gridKeys(StringGrid2, services(), key, shift);
}
void MainForm::StringGrid3KeyDown(ui::KeyCode& key, ui::ShiftState shift) {
  if (undoKeys(StringGrid3, key, shift)) return;
  gridKeys(StringGrid3, services(), key, shift);
}
void MainForm::StringGrid4KeyDown(ui::KeyCode& key, ui::ShiftState shift) {
  if (undoKeys(StringGrid4, key, shift)) return;
  gridKeys(StringGrid4, services(), key, shift);
}

void MainForm::StringGrid3DrawCell(int col, int row, const ui::CellState& state, ui::CellStyle& style) {
  points::SimaListCellStyle(col, row, state, style);
}
void MainForm::StringGrid4DrawCell(int col, int row, const ui::CellState& state, ui::CellStyle& style) {
  points::SimaListCellStyle(col, row, state, style);
}

}  // namespace surva::app
