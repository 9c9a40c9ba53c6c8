#include "ui/buttons.h"

#include "ui/form.h"

namespace surva::ui {

void Button::click() {
  if (!acceptsInput()) return;
  if (onClick) onClick();
  if (modalResult_ != ModalResult::None)
    if (Form* f = form()) f->setModalResult(modalResult_);
}

void CheckBox::setChecked(bool on) {
  if (on == checked_) return;
  checked_ = on;
  notify(Property::Checked);
  if (onClick) onClick();
}

void CheckBox::click() {
  if (!acceptsInput()) return;
  setChecked(!checked_);
}

}  // namespace surva::ui
