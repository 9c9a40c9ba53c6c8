#pragma once
// A pop-up menu; its items are its children, in order.
#include <vector>

#include "ui/control.h"

namespace surva::ui {

class MenuItem;

class PopupMenu : public Control {
 public:
  explicit PopupMenu(text::u16 name) : Control(Kind::PopupMenu, std::move(name)) {}
  std::vector<MenuItem*> items() const;
  // Letters for keyboard access are never added to the captions.
  bool autoHotkeys() const { return autoHotkeys_; }
  void setAutoHotkeys(bool on) { autoHotkeys_ = on; }

 private:
  bool autoHotkeys_ = false;
};

class MenuItem : public Control {
 public:
  explicit MenuItem(text::u16 name) : Control(Kind::MenuItem, std::move(name)) {}
  // The caption "-" makes a separator.
  bool isSeparator() const { return text() == u"-"; }
  // The user chose the item: raises onClick unless it is a disabled item or
  // a separator.
  void click();
  Handler onClick;
};

}  // namespace surva::ui
