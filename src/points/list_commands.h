#pragma once
// The commands of the main list's pop-up menu. Every command that changes
// the list ends with PLOT No. renumbered 1, 2, 3, ...
#include <functional>

#include "points/grid_clipboard.h"
#include "text/u16.h"
#include "ui/text_grid.h"

namespace surva::platform {
class Clipboard;
}

namespace surva::points {

// Receives the text of the status bar's row panel.
using RowPanelSink = std::function<void(const text::u16&)>;

// " " + current row + " / " + number of data rows.
text::u16 RowPanelText(const ui::TextGrid& grid);

// Writes each data row's number into the PLOT No. column.
void RenumberPlotNo(ui::TextGrid& grid);

// The row a paste starts from: the selection's top row, or the first data
// row of a list that has none yet (the header is never pasted over).
int PasteTop(const ui::TextGrid& grid);
// Grows the grid so that `lines` rows fit from the current row on (the
// selection's top row, when that is lower). True when it grew.
bool GrowForPaste(ui::TextGrid& grid, std::size_t lines);

// "選択範囲をコピー": the selected rectangle (the current cell when no range
// is selected).
void CopySelection(const ui::TextGrid& grid, platform::Clipboard& clipboard);
// "すべてコピー": every data row, station name, X and Y only.
void CopyAll(const ui::TextGrid& grid, platform::Clipboard& clipboard);
// "現在セルから貼り付け（ペースト）": from the selection's top-left cell; writes
// the row panel when the list grew. A clipboard that cannot be read leaves
// the list unchanged (the failure propagates).
void PasteAtCurrentCell(ui::TextGrid& grid, platform::Clipboard& clipboard, const RowPanelSink& rowPanel);
// "先頭セルから貼り付け（ペースト）": from the first data cell; rows below the
// pasted block keep their contents.
void PasteAtFirstCell(ui::TextGrid& grid, platform::Clipboard& clipboard);
// "選択範囲をクリア".
void ClearSelection(ui::TextGrid& grid);
// "表示データをすべてクリア": one empty data row numbered "1".
void ClearAllData(ui::TextGrid& grid);
// "測点名でソート" and "測点名の番号のみでソート" on the station-name column.
void SortListByStationName(ui::TextGrid& grid);
void SortListByStationNumber(ui::TextGrid& grid);
// "同じ行データを整理": of rows equal in name, X, Y and Z text only the topmost
// stays; rows empty in those four columns go. A list left with no row gets
// one empty data row numbered "1".
void RemoveRepeatedRows(ui::TextGrid& grid);

// Empties every cell of the rectangle below the header.
void ClearRect(ui::TextGrid& grid, const ui::GridRect& rect);
// Writes the lines from the cell (left, top) on; fields right of the last
// column are dropped.
void WriteLines(ui::TextGrid& grid, const ClipboardLines& lines, int left, int top);

}  // namespace surva::points
