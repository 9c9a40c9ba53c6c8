#include "ui/edit.h"

#include "ui/up_down.h"

namespace surva::ui {

Edit::~Edit() {
  if (buddyOf_ && buddyOf_->associate_ == this) buddyOf_->associate_ = nullptr;
}

void Edit::setText(text::u16 value) {
  if (value == text()) return;
  Control::setText(std::move(value));
  if (buddyOf_) buddyOf_->buddyTextChanged();
  if (onChange) onChange();
}

void Edit::setReadOnly(bool on) {
  if (on == readOnly_) return;
  readOnly_ = on;
  notify(Property::ReadOnly);
}

void Edit::setImeOff(bool on) {
  if (on == imeOff_) return;
  imeOff_ = on;
  notify(Property::ImeMode);
}

void Edit::setAlignment(Align a) {
  if (a == alignment_) return;
  alignment_ = a;
  notify(Property::Alignment);
}

}  // namespace surva::ui
