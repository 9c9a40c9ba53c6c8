#pragma once
// A tab control and its pages; the pages are its children, in order.
#include <vector>

#include "ui/control.h"

namespace surva::ui {

class TabSheet : public Control {
 public:
  explicit TabSheet(text::u16 name) : Control(Kind::TabSheet, std::move(name)) {}
};

class PageControl : public Control {
 public:
  explicit PageControl(text::u16 name) : Control(Kind::PageControl, std::move(name)) {}
  std::vector<TabSheet*> pages() const;
  int activePageIndex() const { return active_; }
  TabSheet* activePage() const;
  // Raises onChange when the page really changes; out of range is ignored.
  void setActivePageIndex(int index);
  void setActivePage(const TabSheet& page);
  Handler onChange;

 private:
  int active_ = 0;
};

}  // namespace surva::ui
