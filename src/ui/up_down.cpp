#include "ui/up_down.h"

#include <algorithm>

#include "text/number.h"
#include "ui/edit.h"

namespace surva::ui {

UpDown::~UpDown() {
  if (associate_ && associate_->buddyOf_ == this) associate_->buddyOf_ = nullptr;
}

void UpDown::setRange(int min, int max) {
  if (max < min) std::swap(min, max);
  min_ = min;
  max_ = max;
  notify(Property::Range);
  setPosition(position_);
}

void UpDown::setPosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return;
  position_ = p;
  if (associate_) {
    writingBuddy_ = true;
    associate_->setText(text::intToText(p));
    writingBuddy_ = false;
  }
  notify(Property::Position);
  if (onChange) onChange();
}

void UpDown::setAssociate(Edit* buddy) {
  if (associate_ && associate_->buddyOf_ == this) associate_->buddyOf_ = nullptr;
  associate_ = buddy;
  if (!buddy) return;
  buddy->buddyOf_ = this;
  writingBuddy_ = true;
  buddy->setText(text::intToText(position_));
  writingBuddy_ = false;
}

void UpDown::buddyTextChanged() {
  if (writingBuddy_) return;
  auto v = text::tryParseInt(associate_->text());
  if (!v) return;
  int p = std::clamp(static_cast<int>(*v), min_, max_);
  if (p == position_) return;
  position_ = p;
  notify(Property::Position);
  if (onChange) onChange();
}

void UpDown::click(UpDownButton button) {
  if (!acceptsInput()) return;
  setPosition(position_ + (button == UpDownButton::Up ? 1 : -1));
  if (onClick) onClick(button);
}

}  // namespace surva::ui
