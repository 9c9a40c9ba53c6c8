#include "points/list_commands.h"

#include <algorithm>

#include "platform/dialogs.h"
#include "points/list_columns.h"
#include "points/list_sort.h"

namespace surva::points {

text::u16 RowPanelText(const ui::TextGrid& grid) {
  // Appended piece by piece: "literal + temporary" trips a false -Wrestrict in GCC 12.
  text::u16 out = u" ";
  out += text::intToText(grid.row());
  out += u" / ";
  out += text::intToText(grid.rowCount() - 1);
  return out;
}

void RenumberPlotNo(ui::TextGrid& grid) {
  ui::TextGrid::BatchUpdate batch(grid);
  for (int r = 1; r < grid.rowCount(); ++r) grid.setCell(kPlotNoCol, r, text::intToText(r));
}

int PasteTop(const ui::TextGrid& grid) { return std::max(grid.selection().top, grid.fixedRows()); }

bool GrowForPaste(ui::TextGrid& grid, std::size_t lines) {
  const long long from = std::max(grid.row(), PasteTop(grid));
  const long long needed = from + static_cast<long long>(lines);
  // Growing to the row count it already has is no growth.
  if (lines == 0 || needed <= grid.rowCount()) return false;
  grid.setRowCount(static_cast<int>(needed));
  return true;
}

void ClearRect(ui::TextGrid& grid, const ui::GridRect& rect) {
  ui::TextGrid::BatchUpdate batch(grid);
  for (int r = std::max(rect.top, grid.fixedRows()); r <= rect.bottom; ++r)
    for (int c = rect.left; c <= rect.right; ++c) grid.setCell(c, r, {});
}

void WriteLines(ui::TextGrid& grid, const ClipboardLines& lines, int left, int top) {
  ui::TextGrid::BatchUpdate batch(grid);
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const int row = top + static_cast<int>(l);
    for (std::size_t f = 0; f < lines[l].size(); ++f) {
      const int col = left + static_cast<int>(f);
      if (col >= grid.colCount()) break;
      grid.setCell(col, row, lines[l][f]);
    }
  }
}

void CopySelection(const ui::TextGrid& grid, platform::Clipboard& clipboard) {
  clipboard.setText(GridClipboardText(grid, grid.selection()));
}

void CopyAll(const ui::TextGrid& grid, platform::Clipboard& clipboard) {
  if (grid.rowCount() < 2) {
    clipboard.setText(u"");
    return;
  }
  clipboard.setText(GridClipboardText(grid, {kNameCol, 1, kYCol, grid.rowCount() - 1}));
}

void PasteAtCurrentCell(ui::TextGrid& grid, platform::Clipboard& clipboard, const RowPanelSink& rowPanel) {
  // Read first: a clipboard that cannot be opened ends the command here.
  const ClipboardLines lines = ParseClipboardText(clipboard.getText());
  ui::TextGrid::BatchUpdate batch(grid);
  const bool grew = GrowForPaste(grid, lines.size());
  WriteLines(grid, lines, grid.selection().left, PasteTop(grid));
  if (grew && rowPanel) rowPanel(RowPanelText(grid));
  RenumberPlotNo(grid);
}

void PasteAtFirstCell(ui::TextGrid& grid, platform::Clipboard& clipboard) {
  const ClipboardLines lines = ParseClipboardText(clipboard.getText());
  ui::TextGrid::BatchUpdate batch(grid);
  const auto needed = static_cast<long long>(lines.size()) + 1;
  if (needed > grid.rowCount()) grid.setRowCount(static_cast<int>(needed));
  WriteLines(grid, lines, 0, 1);
  RenumberPlotNo(grid);
}

void ClearSelection(ui::TextGrid& grid) {
  ui::TextGrid::BatchUpdate batch(grid);
  ClearRect(grid, grid.selection());
  RenumberPlotNo(grid);
}

void ClearAllData(ui::TextGrid& grid) {
  ui::TextGrid::BatchUpdate batch(grid);
  for (int r = 1; r < grid.rowCount(); ++r)
    for (int c = 0; c < kPointCols; ++c) grid.setCell(c, r, {});
  grid.setRowCount(2);
  RenumberPlotNo(grid);
}

void SortListByStationName(ui::TextGrid& grid) {
  ui::TextGrid::BatchUpdate batch(grid);
  SortByStationName(grid, kNameCol);
  RenumberPlotNo(grid);
}

void SortListByStationNumber(ui::TextGrid& grid) {
  ui::TextGrid::BatchUpdate batch(grid);
  SortByStationNumber(grid, kNameCol);
  RenumberPlotNo(grid);
}

}  // namespace surva::points
