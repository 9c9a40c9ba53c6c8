#pragma once
// A single-line edit box.
#include "ui/control.h"

namespace surva::ui {

class UpDown;

class Edit : public Control {
 public:
  explicit Edit(text::u16 name) : Control(Kind::Edit, std::move(name)) {}
  ~Edit() override;

  // Raises onChange when the text really changes, whether the user typed
  // or the program set it.
  void setText(text::u16 value) override;
  Handler onChange;

  bool readOnly() const { return readOnly_; }
  void setReadOnly(bool on);
  // The input method is switched off while the edit has focus, so plain
  // ASCII is typed.
  bool imeOff() const { return imeOff_; }
  void setImeOff(bool on);
  Align alignment() const { return alignment_; }
  void setAlignment(Align a);

  // The up-down this edit is the buddy of, if any.
  UpDown* buddyOf() const { return buddyOf_; }

 private:
  friend class UpDown;
  bool readOnly_ = false;
  bool imeOff_ = false;
  Align alignment_ = Align::Left;
  UpDown* buddyOf_ = nullptr;
};

}  // namespace surva::ui
