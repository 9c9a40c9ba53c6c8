#pragma once
// An up-down (spin) control with an optional buddy edit that shows its
// position as decimal text.
#include "ui/control.h"

namespace surva::ui {

class Edit;

enum class UpDownButton { Up, Down };  // Up raises the position
enum class Orientation { Vertical, Horizontal };

class UpDown : public Control {
 public:
  explicit UpDown(text::u16 name) : Control(Kind::UpDown, std::move(name)) {}
  ~UpDown() override;

  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  // The position is kept inside the range.
  void setRange(int min, int max);
  // Clamped to the range. When it changes: the buddy's text becomes the new
  // position (raising the buddy's onChange), then onChange is raised.
  void setPosition(int p);
  Handler onChange;

  // The buddy shows the position at once. Text typed into the buddy that is
  // an integer moves the position too (clamped), without rewriting the text.
  Edit* associate() const { return associate_; }
  void setAssociate(Edit* buddy);

  Orientation orientation() const { return orientation_; }
  void setOrientation(Orientation o) { orientation_ = o; }

  // The user pressed an arrow: the position moves by one inside the range,
  // then onClick is raised with the arrow (also at the end of the range).
  void click(UpDownButton button);
  std::function<void(UpDownButton)> onClick;

 private:
  friend class Edit;
  void buddyTextChanged();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  Edit* associate_ = nullptr;
  Orientation orientation_ = Orientation::Vertical;
  bool writingBuddy_ = false;
};

}  // namespace surva::ui
