#pragma once
// Undo and redo of the four lists. A step is what one command did to the
// lists it changed (as grid edit logs), with the check boxes and the
// enabled state of a group that the command changed beside them. Steps
// open when the outermost command starts and close when it ends; a change
// that reaches a list outside any command (an in-place edit committed, a
// column dragged) is a step of its own. Nothing outside the lists, those
// boxes and that group is given back: not what reached the CAD, the
// worksheet or a file.
#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "text/u16.h"
#include "ui/buttons.h"
#include "ui/grid_edit_log.h"
#include "ui/string_grid.h"

namespace surva::app {

inline constexpr char16_t kCellEditLabel[] = u"セルの編集";
inline constexpr char16_t kColumnMoveLabel[] = u"列の移動";

struct UndoLimits {
  std::size_t steps = 1000;
  std::size_t bytes = std::size_t{256} << 20;  // the oldest steps go first past this
};

class UndoHistory {
 public:
  using Limits = UndoLimits;
  UndoHistory(std::vector<ui::StringGrid*> grids, std::vector<ui::CheckBox*> boxes, ui::Control* group,
              Limits limits = {});
  ~UndoHistory();
  UndoHistory(const UndoHistory&) = delete;
  UndoHistory& operator=(const UndoHistory&) = delete;

  // A command runs between begin and end; nested calls (events raised or
  // dispatched inside it) belong to the outermost one. The label names the
  // step unless the command names it itself.
  void begin(text::u16view label = {});
  void end();
  class Scope {
   public:
    Scope(UndoHistory& h, text::u16view label = {}) : h_(h) { h_.begin(label); }
    ~Scope() { h_.end(); }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    UndoHistory& h_;
  };
  // Names the open step (the keys know what they did only when pressed).
  void nameStep(text::u16view label);
  // Names the step of the command about to begin (an event's caption);
  // ignored inside a running command.
  void nameNextStep(text::u16view label) {
    if (depth_ == 0) next_ = text::u16(label);
  }
  bool commandRunning() const { return depth_ > 0; }

  bool canUndo() const { return pending_ || !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  // The label of what was undone or redone; nothing while another command
  // is still running around this one, or when there is nothing to do.
  std::optional<text::u16> undo();
  std::optional<text::u16> redo();
  // Forgets every step (the lists as they now stand are the start).
  void clear();

  // Steps to undo, an edit still awaiting its step included.
  std::size_t undoCount() const { return undo_.size() + (pending_ ? 1 : 0); }
  std::size_t redoCount() const { return redo_.size(); }
  std::size_t bytes() const { return bytes_; }
  // A step was added, undone or redone, or the history was cleared.
  std::function<void()> onChange;

 private:
  struct GridStep {
    std::size_t grid;
    ui::GridEditLog log;
  };
  struct Step {
    text::u16 label;
    std::vector<GridStep> grids;
    std::vector<char> boxesBefore, boxesAfter;
    bool groupBefore = false, groupAfter = false;
    std::size_t bytes = 0;
  };
  void recordStarts();
  void markCursors();
  // Packs what the live logs hold into a step; false when they hold nothing.
  bool flush(const text::u16& label);
  void settleEditors();
  std::optional<text::u16> replay(std::deque<Step>& from, std::deque<Step>& to);
  std::vector<char> boxStates() const;
  void remember();
  void trim();
  void dropRedo();
  void changed() {
    if (onChange) onChange();
  }

  std::vector<ui::StringGrid*> grids_;
  std::vector<ui::CheckBox*> boxes_;
  ui::Control* group_;
  Limits limits_;
  // Attached to the grids all the time; a step takes their records.
  std::vector<ui::GridEditLog> live_;
  std::deque<Step> undo_, redo_;
  std::size_t bytes_ = 0;
  int depth_ = 0;
  text::u16 label_;
  text::u16 next_;
  bool pending_ = false;  // a change outside any command awaits its step
  // The boxes and the group as the last step left them.
  std::vector<char> knownBoxes_;
  bool knownGroup_ = false;
};

}  // namespace surva::app
