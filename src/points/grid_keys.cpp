#include "points/grid_keys.h"

#include "platform/dialogs.h"
#include "points/grid_clipboard.h"

namespace surva::points {

namespace {

bool isDataRow(const ui::TextGrid& grid, int row) { return row >= grid.fixedRows() && row < grid.rowCount(); }

// The pasted block is repeated downwards, line by line, as far as the
// selection reaches; never sideways.
void pasteFilling(ui::TextGrid& grid, platform::Clipboard& clipboard) {
  const ClipboardLines lines = ParseClipboardText(clipboard.getText());
  if (lines.empty()) return;
  ui::TextGrid::BatchUpdate batch(grid);
  GrowForPaste(grid, lines.size());
  ui::GridRect sel = grid.selection();
  sel.top = PasteTop(grid);
  const int count = static_cast<int>(lines.size());
  for (int l = 0; l < count; ++l) {
    for (std::size_t f = 0; f < lines[l].size(); ++f) {
      const int col = sel.left + static_cast<int>(f);
      if (col >= grid.colCount()) break;
      grid.setCell(col, sel.top + l, lines[l][f]);
      for (long long row = static_cast<long long>(sel.top) + l + count; row <= sel.bottom; row += count)
        grid.setCell(col, static_cast<int>(row), lines[l][f]);
    }
  }
}

}  // namespace

void HandleGridKeys(ui::TextGrid& grid, bool editing, ui::KeyCode& key, ui::ShiftState shift,
                    platform::Clipboard& clipboard) {
  const ui::GridRect sel = grid.selection();
  if (key == ui::keys::Delete) {
    if (shift.shift) {
      // The only data row stays; the header row is never deleted.
      if (isDataRow(grid, grid.row()) && grid.rowCount() > 2) grid.deleteRow(grid.row());
    } else if (sel.top != sel.bottom || sel.left != sel.right) {
      key = ui::keys::None;
      ClearRect(grid, sel);
    } else if (!editing && isDataRow(grid, grid.row())) {
      grid.setCell(grid.col(), grid.row(), {});
    }
  } else if (key == ui::keys::Insert && shift.shift) {
    if (isDataRow(grid, grid.row())) grid.insertRow(grid.row());
  }

  if (!shift.ctrl) return;
  switch (key) {
    case 'C':
      key = ui::keys::None;
      clipboard.setText(GridClipboardText(grid, sel));
      break;
    case 'X':
      key = ui::keys::None;
      // Cleared only once the text is safely on the clipboard.
      clipboard.setText(GridClipboardText(grid, sel));
      ClearRect(grid, sel);
      break;
    case 'V':
      key = ui::keys::None;
      pasteFilling(grid, clipboard);
      break;
    default:
      break;
  }
}

void MainListKeyDown(ui::TextGrid& grid, bool editing, ui::KeyCode& key, ui::ShiftState shift,
                     platform::Clipboard& clipboard, const RowPanelSink& rowPanel) {
  const int before = grid.rowCount();
  HandleGridKeys(grid, editing, key, shift, clipboard);
  if (grid.rowCount() != before && rowPanel) rowPanel(RowPanelText(grid));
}

}  // namespace surva::points
