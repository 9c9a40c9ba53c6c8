#pragma once
// Push buttons, flat buttons and check boxes.
#include "ui/control.h"

namespace surva::ui {

class Button : public Control {
 public:
  explicit Button(text::u16 name, Kind kind = Kind::Button) : Control(kind, std::move(name)) {}
  // The user clicked: raises onClick, then closes a modal form with the
  // button's modal result when it has one. Ignored when the button takes no
  // input (disabled or hidden).
  void click();
  Handler onClick;

  // Closes the modal form it is on with this result when clicked.
  ModalResult modalResult() const { return modalResult_; }
  void setModalResult(ModalResult r) { modalResult_ = r; }
  // Return presses the default button of a dialog.
  bool isDefault() const { return default_; }
  void setDefault(bool on) { default_ = on; }

 private:
  ModalResult modalResult_ = ModalResult::None;
  bool default_ = false;
};

// A flat button (no focus, no tab stop).
class SpeedButton : public Button {
 public:
  explicit SpeedButton(text::u16 name) : Button(std::move(name), Kind::SpeedButton) { setTabStop(false); }
};

class CheckBox : public Control {
 public:
  explicit CheckBox(text::u16 name) : Control(Kind::CheckBox, std::move(name)) {}
  bool checked() const { return checked_; }
  // Raises onClick when the state really changes, whether the user clicked
  // or the program set it.
  void setChecked(bool on);
  // The user clicked: the state flips (ignored when it takes no input).
  void click();
  Handler onClick;

 private:
  bool checked_ = false;
};

}  // namespace surva::ui
