#include "app/undo_history.h"

namespace surva::app {

namespace {

// Given back without raising the box's click: that would run its command
// again over the list just restored.
void setQuietly(ui::CheckBox& box, bool on) {
  ui::Handler handler = std::move(box.onClick);
  box.onClick = nullptr;
  box.setChecked(on);
  box.onClick = std::move(handler);
}

}  // namespace

UndoHistory::UndoHistory(std::vector<ui::StringGrid*> grids, std::vector<ui::CheckBox*> boxes, ui::Control* group,
                         Limits limits)
    : grids_(std::move(grids)), boxes_(std::move(boxes)), group_(group), limits_(limits), live_(grids_.size()) {
  for (std::size_t i = 0; i < grids_.size(); ++i) {
    live_[i].beforeRecord = [this] { recordStarts(); };
    grids_[i]->cells().setEditLog(&live_[i]);
  }
  remember();
  markCursors();
}

UndoHistory::~UndoHistory() {
  for (ui::StringGrid* g : grids_) g->cells().setEditLog(nullptr);
}

std::vector<char> UndoHistory::boxStates() const {
  std::vector<char> out;
  for (const ui::CheckBox* b : boxes_) out.push_back(b->checked());
  return out;
}

void UndoHistory::remember() {
  knownBoxes_ = boxStates();
  knownGroup_ = group_ && group_->enabled();
}

void UndoHistory::markCursors() {
  for (std::size_t i = 0; i < grids_.size(); ++i)
    if (live_[i].empty()) live_[i].target = grids_[i]->cells().cursor();
}

// A change outside any command is a step of its own: the one before it is
// closed first (the grid is still unchanged here).
void UndoHistory::recordStarts() {
  if (depth_ > 0) return;
  if (pending_) flush({});
  pending_ = true;
  const bool hadRedo = !redo_.empty();
  dropRedo();
  if (hadRedo || undo_.empty()) changed();
}

void UndoHistory::dropRedo() {
  for (const Step& s : redo_) bytes_ -= s.bytes;
  redo_.clear();
}

bool UndoHistory::flush(const text::u16& label) {
  pending_ = false;
  Step step;
  for (std::size_t i = 0; i < grids_.size(); ++i) {
    if (live_[i].empty()) continue;
    live_[i].source = grids_[i]->cells().cursor();
    GridStep g{i, live_[i].take()};
    step.bytes += g.log.bytes();
    step.grids.push_back(std::move(g));
  }
  markCursors();
  const std::vector<char> boxes = boxStates();
  const bool group = group_ && group_->enabled();
  if (step.grids.empty()) {
    remember();
    return false;
  }
  step.label = label;
  if (step.label.empty())
    step.label = step.grids.size() == 1 && step.grids[0].log.movesColumnsOnly() ? kColumnMoveLabel : kCellEditLabel;
  step.boxesBefore = knownBoxes_;
  step.boxesAfter = boxes;
  step.groupBefore = knownGroup_;
  step.groupAfter = group;
  remember();
  dropRedo();
  bytes_ += step.bytes;
  undo_.push_back(std::move(step));
  trim();
  return true;
}

void UndoHistory::trim() {
  // The newest step always stays, however large: it is what the user just did.
  while (undo_.size() > 1 && (undo_.size() > limits_.steps || bytes_ > limits_.bytes)) {
    bytes_ -= undo_.front().bytes;
    undo_.pop_front();
  }
}

void UndoHistory::begin(text::u16view label) {
  if (depth_++ > 0) return;
  if (pending_ && flush({})) changed();
  markCursors();
  // Nothing but a command changes the group; the boxes flip before theirs runs.
  knownGroup_ = group_ && group_->enabled();
  label_ = label.empty() ? std::move(next_) : text::u16(label);
  next_.clear();
}

void UndoHistory::nameStep(text::u16view label) {
  if (depth_ > 0) label_ = text::u16(label);
}

void UndoHistory::end() {
  if (depth_ == 0 || --depth_ > 0) return;
  if (flush(label_)) changed();
}

// An open editor is settled first: unchanged, it simply closes; typed,
// its text is written, so that what is undone next is the typing.
void UndoHistory::settleEditors() {
  for (ui::StringGrid* g : grids_) {
    if (!g->editorMode()) continue;
    g->endEdit(g->editorText() != g->cells().cell(g->cells().col(), g->cells().row()));
  }
}

std::optional<text::u16> UndoHistory::undo() { return replay(undo_, redo_); }
std::optional<text::u16> UndoHistory::redo() { return replay(redo_, undo_); }

std::optional<text::u16> UndoHistory::replay(std::deque<Step>& from, std::deque<Step>& to) {
  // Inside a harvest's message pump the lists are half rebuilt.
  if (depth_ > 1) return std::nullopt;
  settleEditors();
  // What the running command or an edit outside it changed so far is a step
  // first; it drops the redo steps as any change does.
  if ((pending_ || depth_ == 1) && flush(pending_ ? text::u16() : label_)) changed();
  if (from.empty()) return std::nullopt;
  Step step = std::move(from.back());
  from.pop_back();
  bytes_ -= step.bytes;

  Step back;
  back.label = step.label;
  for (GridStep& g : step.grids) {
    ui::StringGrid& grid = *grids_[g.grid];
    GridStep rev{g.grid, {}};
    rev.log.target = g.log.source;
    rev.log.source = g.log.target;
    grid.cells().setEditLog(&rev.log);
    g.log.undo(grid.cells());
    grid.cells().setEditLog(&live_[g.grid]);
    grid.restoreCursor(g.log.target);
    back.bytes += rev.log.bytes();
    back.grids.push_back(std::move(rev));
  }
  for (std::size_t i = 0; i < boxes_.size() && i < step.boxesBefore.size(); ++i)
    if (step.boxesBefore[i] != step.boxesAfter[i]) setQuietly(*boxes_[i], step.boxesBefore[i]);
  if (group_ && step.groupBefore != step.groupAfter) group_->setEnabled(step.groupBefore);
  back.boxesBefore = std::move(step.boxesAfter);
  back.boxesAfter = std::move(step.boxesBefore);
  back.groupBefore = step.groupAfter;
  back.groupAfter = step.groupBefore;
  bytes_ += back.bytes;
  to.push_back(std::move(back));
  remember();
  markCursors();
  changed();
  return step.label;
}

void UndoHistory::clear() {
  for (auto& l : live_) l.take();
  undo_.clear();
  redo_.clear();
  bytes_ = 0;
  pending_ = false;
  remember();
  markCursors();
  changed();
}

}  // namespace surva::app
