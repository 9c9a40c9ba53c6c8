#include "ui/string_grid.h"

#include <algorithm>

namespace surva::ui {

namespace {
constexpr int kBorderGrip = 3;  // pixels either side of a column edge that resize it
constexpr int kScrollBar = 17;
constexpr int kMinColWidth = 4;
}  // namespace

StringGrid::StringGrid(text::u16 name) : Control(Kind::StringGrid, std::move(name)) {
  cells_.onChange = [this] { cellsChanged(); };
  // Whatever changes the cells (a command, the program moving the cursor)
  // first writes an open edit into the cell it was opened on, while that
  // cell still holds the same point.
  cells_.onBeforeChange = [this] { endEdit(true); };
  cells_.onCurrentChange = [this] { currentChanged(); };
  anchorCol_ = cells_.col();
  anchorRow_ = cells_.row();
  topRow_ = cells_.fixedRows();
}

StringGrid::~StringGrid() {
  cells_.onChange = nullptr;
  cells_.onBeforeChange = nullptr;
  cells_.onCurrentChange = nullptr;
}

void StringGrid::cellsChanged() {
  topRow_ = std::clamp(topRow_, firstDataRow(), std::max(firstDataRow(), cells_.rowCount() - 1));
  notify(Property::Cells);
}

void StringGrid::currentChanged() {
  if (!extending_) {
    anchorCol_ = cells_.col();
    anchorRow_ = cells_.row();
  }
  if (onClick) onClick();
}

int StringGrid::firstDataRow() const { return std::min(cells_.fixedRows(), cells_.rowCount() - 1); }

void StringGrid::setDefaultColWidth(int w) {
  defaultColWidth_ = std::max(kMinColWidth, w);
  colWidths_.assign(cells_.colCount(), defaultColWidth_);
  notify(Property::GridLayout);
}

void StringGrid::setDefaultRowHeight(int h) {
  rowHeight_ = std::max(1, h);
  notify(Property::GridLayout);
}

int StringGrid::colWidth(int col) const {
  if (col >= 0 && col < static_cast<int>(colWidths_.size())) return colWidths_[col];
  return defaultColWidth_;
}

void StringGrid::setColWidth(int col, int width) {
  if (col < 0 || col >= cells_.colCount()) return;
  if (static_cast<int>(colWidths_.size()) < cells_.colCount()) colWidths_.resize(cells_.colCount(), defaultColWidth_);
  colWidths_[col] = std::max(kMinColWidth, width);
  notify(Property::GridLayout);
}

void StringGrid::setOptions(GridOptions o) {
  if (o == options_) return;
  options_ = o;
  if (!options_.editing && editorMode_) endEdit(true);
  notify(Property::GridLayout);
}

void StringGrid::setScrollBars(ScrollBars s) {
  scrollBars_ = s;
  notify(Property::GridLayout);
}

void StringGrid::setTopRow(int row) {
  int last = std::max(firstDataRow(), cells_.rowCount() - visibleDataRows());
  row = std::clamp(row, firstDataRow(), last);
  if (row == topRow_) return;
  topRow_ = row;
  notify(Property::GridLayout);
}

int StringGrid::visibleDataRows() const {
  int h = bounds().height - cells_.fixedRows() * rowHeight_;
  if (scrollBars_ == ScrollBars::Horizontal || scrollBars_ == ScrollBars::Both) h -= kScrollBar;
  return std::max(1, h / rowHeight_);
}

void StringGrid::scrollIntoView(int row) {
  if (row < cells_.fixedRows()) return;
  if (row < topRow_)
    setTopRow(row);
  else if (row >= topRow_ + visibleDataRows())
    setTopRow(row - visibleDataRows() + 1);
}

StringGrid::Hit StringGrid::cellAt(int x, int y) const {
  Hit hit;
  if (x < 0 || y < 0) return hit;
  int fixedH = cells_.fixedRows() * rowHeight_;
  int row;
  if (y < fixedH)
    row = y / rowHeight_;
  else
    row = topRow_ + (y - fixedH) / rowHeight_;
  if (row >= cells_.rowCount()) return hit;
  int left = 0;
  for (int c = 0; c < cells_.colCount(); ++c) {
    int w = colWidth(c);
    if (x < left + w + kBorderGrip || (c == cells_.colCount() - 1 && x < left + w)) {
      if (x >= left + w) {
        hit.col = c;  // just right of the edge still grips this column
        hit.onRightBorder = true;
      } else {
        hit.col = c;
        hit.onRightBorder = x >= left + w - kBorderGrip;
      }
      hit.row = row;
      return hit;
    }
    left += w;
  }
  return hit;
}

Rect StringGrid::cellRect(int col, int row) const {
  int left = 0;
  for (int c = 0; c < col; ++c) left += colWidth(c);
  int top = row < cells_.fixedRows() ? row * rowHeight_ : (cells_.fixedRows() + row - topRow_) * rowHeight_;
  return {left, top, colWidth(col), rowHeight_};
}

CellState StringGrid::cellState(int col, int row) const {
  CellState s;
  s.fixed = row < cells_.fixedRows();
  const GridRect& sel = cells_.selection();
  s.selected = !s.fixed && col >= sel.left && col <= sel.right && row >= sel.top && row <= sel.bottom;
  s.focused = !s.fixed && col == cells_.col() && row == cells_.row();
  return s;
}

CellStyle StringGrid::cellStyle(int col, int row) const {
  CellState state = cellState(col, row);
  CellStyle style;
  if (state.fixed) {
    style.background = colors::BtnFace;
    style.textColor = colors::WindowText;
  } else if (state.selected && (!state.focused || options_.drawFocusSelected)) {
    style.background = colors::Highlight;
    style.textColor = colors::HighlightText;
  }
  if (onDrawCell) onDrawCell(col, row, state, style);
  return style;
}

void StringGrid::invalidate() { notify(Property::Repaint); }

bool StringGrid::beginEdit() {
  if (!options_.editing || editorMode_ || cells_.row() < cells_.fixedRows()) return false;
  editorMode_ = true;
  editorText_ = cells_.cell(cells_.col(), cells_.row());
  editCol_ = cells_.col();
  editRow_ = cells_.row();
  notify(Property::EditorMode);
  return true;
}

void StringGrid::setEditorText(text::u16 t) {
  if (!editorMode_ || t == editorText_) return;
  editorText_ = std::move(t);
  notify(Property::EditorMode);
}

void StringGrid::endEdit(bool commit) {
  if (!editorMode_) return;
  editorMode_ = false;  // first, so the write below does not come back here
  notify(Property::EditorMode);
  if (commit) cells_.setCell(editCol_, editRow_, std::move(editorText_));
  editorText_.clear();
}

void StringGrid::restoreCursor(const GridCursor& c) {
  cells_.restoreCursor(c);
  anchorCol_ = cells_.col();
  anchorRow_ = cells_.row();
  scrollIntoView(cells_.row());
}

bool StringGrid::selectCell(int col, int row) {
  if (cells_.rowCount() <= cells_.fixedRows()) return false;  // no data rows to stand on
  col = std::clamp(col, 0, cells_.colCount() - 1);
  row = std::clamp(row, cells_.fixedRows(), cells_.rowCount() - 1);
  if (onSelectCell) {
    bool can = true;
    onSelectCell(col, row, can);
    if (!can) return false;
  }
  endEdit(true);
  scrollIntoView(row);
  cells_.setCurrent(col, row);
  anchorCol_ = cells_.col();  // also when the cell did not move
  anchorRow_ = cells_.row();
  return true;
}

bool StringGrid::extendSelection(int col, int row) {
  if (!options_.rangeSelect) return selectCell(col, row);
  if (cells_.rowCount() <= cells_.fixedRows()) return false;
  col = std::clamp(col, 0, cells_.colCount() - 1);
  row = std::clamp(row, cells_.fixedRows(), cells_.rowCount() - 1);
  endEdit(true);
  extending_ = true;
  try {
    TextGrid::BatchUpdate batch(cells_);
    cells_.setCurrent(col, row);
    cells_.setSelection({anchorCol_, anchorRow_, col, row});
  } catch (...) {
    extending_ = false;
    throw;
  }
  extending_ = false;
  scrollIntoView(row);
  return true;
}

bool StringGrid::mouseDown(MouseButton button, int x, int y, ShiftState shift) {
  if (!Control::mouseDown(button, x, y, shift)) return false;
  // A right click leaves the editor as any click does: the pop-up menu's
  // commands then see what was typed.
  endEdit(true);
  if (button != MouseButton::Left) return true;
  Hit hit = cellAt(x, y);
  if (hit.row < 0) return true;
  if (hit.row < cells_.fixedRows()) {
    if (options_.colSizing && hit.onRightBorder) {
      drag_ = Drag::Resize;
      dragStartX_ = x;
      dragStartWidth_ = colWidth(hit.col);
    } else {
      drag_ = Drag::Header;
    }
    dragCol_ = hit.col;
    return true;
  }
  if (shift.shift)
    extendSelection(hit.col, hit.row);
  else
    selectCell(hit.col, hit.row);
  drag_ = Drag::Select;
  return true;
}

void StringGrid::mouseMove(int x, int y) {
  switch (drag_) {
    case Drag::Resize:
      setColWidth(dragCol_, dragStartWidth_ + x - dragStartX_);
      break;
    case Drag::Select: {
      Hit hit = cellAt(x, y);
      if (hit.row >= cells_.fixedRows() && (hit.col != cells_.col() || hit.row != cells_.row()))
        extendSelection(hit.col, hit.row);
      break;
    }
    default:
      break;
  }
}

void StringGrid::mouseUp(MouseButton button, int x, int y) {
  Drag d = drag_;
  drag_ = Drag::None;
  if (button != MouseButton::Left || d != Drag::Header || !acceptsInput()) return;
  Hit hit = cellAt(x, y);
  if (hit.row < 0 || hit.row >= cells_.fixedRows()) return;
  if (hit.col == dragCol_) {
    if (options_.fixedRowClick && onFixedCellClick) onFixedCellClick(hit.col, hit.row);
  } else if (options_.colMove) {
    dragColumn(dragCol_, hit.col);
  }
}

void StringGrid::doubleClick(int x, int y) {
  if (!acceptsInput()) return;
  Hit hit = cellAt(x, y);
  if (hit.row < cells_.fixedRows() || hit.col < 0) return;
  if (hit.col != cells_.col() || hit.row != cells_.row())
    if (!selectCell(hit.col, hit.row)) return;
  beginEdit();
}

void StringGrid::mouseWheel(int rows) {
  if (acceptsInput()) setTopRow(topRow_ + rows);
}

void StringGrid::dragColumn(int from, int to) {
  if (!options_.colMove || from == to || from < 0 || to < 0 || from >= cells_.colCount() ||
      to >= cells_.colCount())
    return;
  endEdit(true);
  if (static_cast<int>(colWidths_.size()) < cells_.colCount()) colWidths_.resize(cells_.colCount(), defaultColWidth_);
  int w = colWidths_[from];
  colWidths_.erase(colWidths_.begin() + from);
  colWidths_.insert(colWidths_.begin() + to, w);
  cells_.moveColumn(from, to);
  notify(Property::GridLayout);
}

bool StringGrid::moveBy(int dCol, int dRow, ShiftState shift) {
  if (shift.shift && options_.rangeSelect) return extendSelection(cells_.col() + dCol, cells_.row() + dRow);
  return selectCell(cells_.col() + dCol, cells_.row() + dRow);
}

bool StringGrid::keyDown(KeyCode key, ShiftState shift) {
  if (!acceptsInput()) return false;
  const bool editing = editorMode_;
  if (onKeyDown) onKeyDown(key, shift);
  if (key == keys::None) return true;
  // The handler's command ended the edit: the key is spent, not the editor's.
  if (editing && !editorMode_) return true;
  int page = visibleDataRows();
  if (editorMode_) {
    switch (key) {
      case keys::Return: endEdit(true); return true;
      case keys::Escape: endEdit(false); return true;
      case keys::Up: endEdit(true); return moveBy(0, -1, {});
      case keys::Down: endEdit(true); return moveBy(0, 1, {});
      default: return false;  // the editor's own keys (Left, Right, Delete, ...)
    }
  }
  switch (key) {
    case keys::Left: return moveBy(-1, 0, shift);
    case keys::Right: return moveBy(1, 0, shift);
    case keys::Up: return moveBy(0, -1, shift);
    case keys::Down: return moveBy(0, 1, shift);
    case keys::PageUp: return moveBy(0, -page, shift);
    case keys::PageDown: return moveBy(0, page, shift);
    case keys::Home:
      return shift.ctrl ? moveBy(-cells_.col(), -cells_.rowCount(), shift) : moveBy(-cells_.col(), 0, shift);
    case keys::End:
      return shift.ctrl ? moveBy(cells_.colCount(), cells_.rowCount(), shift) : moveBy(cells_.colCount(), 0, shift);
    case keys::F2:
    case keys::Return: return beginEdit();
    default: return false;
  }
}

void StringGrid::keyPress(char16_t ch) {
  if (!acceptsInput() || editorMode_ || ch < 32) return;
  if (beginEdit()) setEditorText(text::u16(1, ch));
}

}  // namespace surva::ui
