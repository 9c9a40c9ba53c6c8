#pragma once
// The keyboard commands shared by the four grids: Delete, Shift+Delete,
// Shift+Insert and Ctrl+C / Ctrl+X / Ctrl+V. They do not renumber PLOT No.
#include "points/list_commands.h"
#include "ui/text_grid.h"
#include "ui/types.h"

namespace surva::platform {
class Clipboard;
}

namespace surva::points {

// `key` is set to 0 when the key is consumed, so the grid's own handling
// does not follow. `editing`: an in-place editor is open on the current cell.
void HandleGridKeys(ui::TextGrid& grid, bool editing, ui::KeyCode& key, ui::ShiftState shift,
                    platform::Clipboard& clipboard);

// The main list's keys: the row panel is written when the row count changed.
void MainListKeyDown(ui::TextGrid& grid, bool editing, ui::KeyCode& key, ui::ShiftState shift,
                     platform::Clipboard& clipboard, const RowPanelSink& rowPanel);

}  // namespace surva::points
