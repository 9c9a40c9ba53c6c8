#pragma once
// Controls that show something and take no input of their own: labels,
// group boxes, bevelled panels and images.
#include "ui/control.h"

namespace surva::ui {

class Label : public Control {
 public:
  explicit Label(text::u16 name) : Control(Kind::Label, std::move(name)) {}
  Align alignment() const { return alignment_; }
  void setAlignment(Align a);

 private:
  Align alignment_ = Align::Left;
};

// Disabling a group box disables everything in it (Control::enabledInTree).
class GroupBox : public Control {
 public:
  explicit GroupBox(text::u16 name) : Control(Kind::GroupBox, std::move(name)) {}
};

enum class Bevel { None, Lowered, Raised };

class Panel : public Control {
 public:
  explicit Panel(text::u16 name) : Control(Kind::Panel, std::move(name)) {}
  Bevel bevelInner() const { return inner_; }
  Bevel bevelOuter() const { return outer_; }
  void setBevels(Bevel inner, Bevel outer);

 private:
  Bevel inner_ = Bevel::None;
  Bevel outer_ = Bevel::Raised;
};

// Shows the program icon; what it shows is the backend's choice.
class Image : public Control {
 public:
  explicit Image(text::u16 name) : Control(Kind::Image, std::move(name)) {}
  bool stretch() const { return stretch_; }
  void setStretch(bool on) { stretch_ = on; }

 private:
  bool stretch_ = false;
};

}  // namespace surva::ui
