#include "ui/static_controls.h"

namespace surva::ui {

void Label::setAlignment(Align a) {
  if (a == alignment_) return;
  alignment_ = a;
  notify(Property::Alignment);
}

void Panel::setBevels(Bevel inner, Bevel outer) {
  inner_ = inner;
  outer_ = outer;
  notify(Property::Bounds);
}

}  // namespace surva::ui
