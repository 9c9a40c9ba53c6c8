#pragma once
// A grid of text cells: the TextGrid it holds, its look (column widths, row
// height, options), its cell painting rules as a style callback, in-place
// editing, keyboard navigation and mouse selection. The Win32 backend paints
// from cellStyle() and cells(), and feeds input to the input methods.
#include <vector>

#include "ui/control.h"
#include "ui/text_grid.h"

namespace surva::ui {

class PopupMenu;

enum class ScrollBars { None, Horizontal, Vertical, Both };

struct GridOptions {
  bool editing = false;            // cells may be edited in place
  bool rangeSelect = true;         // a rectangle of cells may be selected
  bool colMove = false;            // dragging a header cell moves its column
  bool colSizing = false;          // dragging a header border resizes a column
  bool fixedRowClick = false;      // header clicks raise onFixedCellClick
  bool thumbTracking = true;       // the list scrolls while the thumb is dragged
  bool drawFocusSelected = false;  // the current cell is painted as selected
  bool flat = false;               // no 3-D border
  bool operator==(const GridOptions&) const = default;
};

struct CellState {
  bool fixed = false;     // header row
  bool selected = false;  // inside the selected rectangle
  bool focused = false;   // the current cell
};

// How one cell is painted: its rectangle is filled with `background`, then
// the text drawn on one line in `textColor`, aligned inside the rectangle
// narrowed by the insets (and vertically centred when asked).
struct CellStyle {
  Color background = colors::Window;
  Color textColor = colors::WindowText;
  Align align = Align::Left;
  int insetLeft = 2;
  int insetRight = 0;
  bool verticalCenter = false;
  bool operator==(const CellStyle&) const = default;
};

class StringGrid : public Control {
 public:
  explicit StringGrid(text::u16 name);
  ~StringGrid() override;

  // Commands edit the cells here directly. The TextGrid's onChange and
  // onCurrentChange belong to the grid (repaint, onClick); do not replace them.
  TextGrid& cells() { return cells_; }
  const TextGrid& cells() const { return cells_; }

  int defaultColWidth() const { return defaultColWidth_; }
  // Sets every column to this width.
  void setDefaultColWidth(int w);
  int defaultRowHeight() const { return rowHeight_; }
  void setDefaultRowHeight(int h);
  int colWidth(int col) const;
  void setColWidth(int col, int width);

  const GridOptions& options() const { return options_; }
  void setOptions(GridOptions o);
  ScrollBars scrollBars() const { return scrollBars_; }
  void setScrollBars(ScrollBars s);
  PopupMenu* popupMenu() const { return popupMenu_; }
  void setPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

  // Scrolling: the first data row shown under the header.
  int topRow() const { return topRow_; }
  void setTopRow(int row);
  // Whole data rows that fit under the header.
  int visibleDataRows() const;
  // Cell at a point of the client area; -1, -1 when outside every cell.
  struct Hit {
    int col = -1;
    int row = -1;
    bool onRightBorder = false;  // within 3 px of the column's right edge
  };
  Hit cellAt(int x, int y) const;
  Rect cellRect(int col, int row) const;

  // The painting of one cell: the grid's defaults, then onDrawCell.
  CellState cellState(int col, int row) const;
  CellStyle cellStyle(int col, int row) const;
  void invalidate();  // paint everything again

  // Events.
  Handler onClick;  // the current cell moved (user, keys or program)
  // Before the user moves to a cell; clear `canSelect` to refuse.
  std::function<void(int col, int row, bool& canSelect)> onSelectCell;
  // Adjusts the painting of a cell; `style` holds the grid's default.
  std::function<void(int col, int row, const CellState& state, CellStyle& style)> onDrawCell;
  std::function<void(int col, int row)> onFixedCellClick;

  // In-place editor on the current cell.
  bool editorMode() const { return editorMode_; }
  const text::u16& editorText() const { return editorText_; }
  // Opens the editor with the cell's text; false when editing is off or the
  // current cell is a header cell.
  bool beginEdit();
  void setEditorText(text::u16 t);
  // Closes the editor; commit writes its text into the cell it was opened
  // on. Any change of the cells commits an open editor first.
  void endEdit(bool commit);

  // Puts a cursor back (undo) without raising onClick, and shows it.
  void restoreCursor(const GridCursor& c);

  // User input.
  // The user moves to a cell: the editor is committed, onSelectCell may
  // refuse, the header row is never selected, the cell is scrolled into view.
  bool selectCell(int col, int row);
  // Extends the selection from the anchor to the cell (Shift+click/arrow).
  bool extendSelection(int col, int row);
  bool mouseDown(MouseButton button, int x, int y, ShiftState shift = {}) override;
  void mouseMove(int x, int y);
  void mouseUp(MouseButton button, int x, int y);
  // A double click on a data cell opens the editor (editing grids).
  void doubleClick(int x, int y);
  // The wheel scrolls by whole rows (positive: towards the end).
  void mouseWheel(int rows);
  // onKeyDown first, also while the editor is open; a key it leaves is the
  // grid's own: arrows, Home, End, PageUp, PageDown (Shift extends), F2 and
  // Return open the editor; in the editor Return commits, Escape cancels, Up
  // and Down commit and move. False: the key belongs to the editor.
  bool keyDown(KeyCode key, ShiftState shift = {}) override;
  // A typed character: opens the editor replacing the text (editing grids).
  void keyPress(char16_t ch);
  // The user dragged column `from` to position `to` (colMove only).
  void dragColumn(int from, int to);

 private:
  void cellsChanged();
  void currentChanged();
  int firstDataRow() const;
  void scrollIntoView(int row);
  bool moveBy(int dCol, int dRow, ShiftState shift);

  TextGrid cells_;
  int defaultColWidth_ = 64;
  int rowHeight_ = 24;
  std::vector<int> colWidths_;
  GridOptions options_;
  ScrollBars scrollBars_ = ScrollBars::Both;
  PopupMenu* popupMenu_ = nullptr;
  int topRow_ = 1;
  bool editorMode_ = false;
  text::u16 editorText_;
  int editCol_ = 0;  // the cell the open editor belongs to
  int editRow_ = 1;
  // The fixed corner of a Shift-extended selection; it follows the current
  // cell whenever that moves otherwise.
  int anchorCol_ = 0;
  int anchorRow_ = 1;
  bool extending_ = false;

  enum class Drag { None, Select, Header, Resize };
  Drag drag_ = Drag::None;
  int dragCol_ = -1;
  int dragStartX_ = 0;
  int dragStartWidth_ = 0;
};

}  // namespace surva::ui
