#include "ui/pages.h"

namespace surva::ui {

std::vector<TabSheet*> PageControl::pages() const {
  std::vector<TabSheet*> out;
  for (Control* c : children())
    if (c->kind() == Kind::TabSheet) out.push_back(static_cast<TabSheet*>(c));
  return out;
}

TabSheet* PageControl::activePage() const {
  auto p = pages();
  return active_ >= 0 && active_ < static_cast<int>(p.size()) ? p[active_] : nullptr;
}

void PageControl::setActivePageIndex(int index) {
  if (index < 0 || index >= static_cast<int>(pages().size()) || index == active_) return;
  active_ = index;
  notify(Property::ActivePage);
  if (onChange) onChange();
}

void PageControl::setActivePage(const TabSheet& page) {
  auto p = pages();
  for (int i = 0; i < static_cast<int>(p.size()); ++i)
    if (p[i] == &page) setActivePageIndex(i);
}

}  // namespace surva::ui
