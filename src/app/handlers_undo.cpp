// Undo and redo of the lists: the two menu items, the keys, and the names
// the steps carry in the status bar.
#include "app/main_form.h"
#include "points/list_commands.h"

namespace surva::app {

namespace {

// Wraps an event so that the step its command makes is named when it runs
// (a caption may change meanwhile, as "ID (INT)" does).
template <class... Args>
void nameSteps(std::function<void(Args...)>& handler, UndoHistory& history, std::function<text::u16()> label) {
  if (!handler) return;
  handler = [&history, inner = std::move(handler), label = std::move(label)](Args... args) {
    history.nameNextStep(label());
    inner(args...);
  };
}

// A check box's caption alone can be ambiguous ("X-Y 反転" is on both SIMA
// pages): its group or page says which.
text::u16 checkBoxLabel(const ui::CheckBox& box) {
  text::u16 caption = text::trim(box.text());
  const ui::Control* parent = box.parent();
  if (parent && (parent->kind() == ui::Kind::GroupBox || parent->kind() == ui::Kind::TabSheet)) {
    text::u16 group = text::trim(parent->text());
    if (!group.empty()) return group + u" " + caption;
  }
  return caption;
}

// What a key did to a list, for the status bar.
text::u16 keyLabel(ui::KeyCode key, ui::ShiftState shift) {
  if (key == ui::keys::Delete) return shift.shift ? u"行の削除" : u"削除";
  if (key == ui::keys::Insert && shift.shift) return u"行の挿入";
  if (shift.ctrl && key == 'X') return u"切り取り";
  if (shift.ctrl && key == 'V') return u"貼り付け";
  return kCellEditLabel;
}

}  // namespace

void MainForm::bindUndo() {
  NUndo.onClick = guarded(&MainForm::NUndoClick);
  NRedo.onClick = guarded(&MainForm::NRedoClick);
  for (ui::Control* c : controls()) {
    switch (c->kind()) {
      case ui::Kind::Button:
      case ui::Kind::SpeedButton: {
        auto* b = static_cast<ui::Button*>(c);
        nameSteps(b->onClick, history_, [b] { return text::trim(b->text()); });
        break;
      }
      case ui::Kind::MenuItem: {
        auto* m = static_cast<ui::MenuItem*>(c);
        nameSteps(m->onClick, history_, [m] { return text::trim(m->text()); });
        break;
      }
      case ui::Kind::CheckBox: {
        auto* b = static_cast<ui::CheckBox*>(c);
        nameSteps(b->onClick, history_, [b] { return checkBoxLabel(*b); });
        break;
      }
      default: break;
    }
  }
  nameSteps(StringGrid2.onFixedCellClick, history_, [] { return text::u16(u"TEXT のソート"); });
  history_.onChange = [this] {
    NUndo.setEnabled(history_.canUndo());
    NRedo.setEnabled(history_.canRedo());
  };
}

void MainForm::showReplayed(const std::optional<text::u16>& label, text::u16view done) {
  if (!label) return;
  StatusBar1.setPanelText(0, points::RowPanelText(StringGrid1.cells()));
  StatusBar1.setPanelText(1, text::u16(done) + u": " + *label);
}

void MainForm::NUndoClick() { showReplayed(history_.undo(), u"元に戻しました"); }
void MainForm::NRedoClick() { showReplayed(history_.redo(), u"やり直しました"); }

bool MainForm::undoKeys(ui::StringGrid& grid, ui::KeyCode& key, ui::ShiftState shift) {
  const bool undoKey = shift.ctrl && !shift.alt && key == 'Z' && !shift.shift;
  const bool redoKey = shift.ctrl && !shift.alt && ((key == 'Z' && shift.shift) || (key == 'Y' && !shift.shift));
  if (!undoKey && !redoKey) {
    history_.nameStep(keyLabel(key, shift));
    return false;
  }
  key = ui::keys::None;
  // In an open editor the typing goes first, as in any edit box.
  const ui::TextGrid& cells = grid.cells();
  if (undoKey && grid.editorMode() && grid.editorText() != cells.cell(cells.col(), cells.row())) {
    grid.setEditorText(cells.cell(cells.col(), cells.row()));
    return true;
  }
  if (undoKey)
    NUndoClick();
  else
    NRedoClick();
  return true;
}

}  // namespace surva::app
