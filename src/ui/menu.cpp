#include "ui/menu.h"

namespace surva::ui {

std::vector<MenuItem*> PopupMenu::items() const {
  std::vector<MenuItem*> out;
  for (Control* c : children())
    if (c->kind() == Kind::MenuItem) out.push_back(static_cast<MenuItem*>(c));
  return out;
}

void MenuItem::click() {
  if (isSeparator() || !enabledInTree()) return;
  if (onClick) onClick();
}

}  // namespace surva::ui
