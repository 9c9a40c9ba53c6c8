#include "ui/control.h"

#include <algorithm>

#include "ui/form.h"

namespace surva::ui {

const char* kindName(Kind k) {
  switch (k) {
    case Kind::Form: return "Form";
    case Kind::PageControl: return "PageControl";
    case Kind::TabSheet: return "TabSheet";
    case Kind::GroupBox: return "GroupBox";
    case Kind::Panel: return "Panel";
    case Kind::Label: return "Label";
    case Kind::Image: return "Image";
    case Kind::Edit: return "Edit";
    case Kind::UpDown: return "UpDown";
    case Kind::CheckBox: return "CheckBox";
    case Kind::Button: return "Button";
    case Kind::SpeedButton: return "SpeedButton";
    case Kind::ListBox: return "ListBox";
    case Kind::ProgressBar: return "ProgressBar";
    case Kind::StatusBar: return "StatusBar";
    case Kind::PopupMenu: return "PopupMenu";
    case Kind::MenuItem: return "MenuItem";
    case Kind::StringGrid: return "StringGrid";
  }
  return "?";
}

Control::Control(Kind kind, text::u16 name) : kind_(kind), name_(std::move(name)) {}

Control::~Control() {
  // The peer goes first: it may still look at the control while it closes.
  peer_.reset();
  for (Control* c : children_) c->parent_ = nullptr;
  if (parent_) parent_->removeChild(this);
}

void Control::removeChild(Control* c) { std::erase(children_, c); }

void Control::setParent(Control* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->removeChild(this);
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
}

Form* Control::form() {
  Control* c = this;
  while (c && c->kind_ != Kind::Form) c = c->parent_;
  return static_cast<Form*>(c);
}

void Control::setBounds(Rect r) {
  if (r == bounds_) return;
  bounds_ = r;
  notify(Property::Bounds);
}

void Control::setText(text::u16 value) {
  if (value == text_) return;
  text_ = std::move(value);
  notify(Property::Text);
}

void Control::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  notify(Property::Enabled);
}

void Control::setVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  notify(Property::Visible);
}

bool Control::enabledInTree() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->enabled_) return false;
  return true;
}

bool Control::visibleInTree() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible_ && c->kind_ != Kind::Form) return false;  // a hidden form still owns its input
  return true;
}

void Control::setFont(Font f) {
  if (f == font_) return;
  font_ = std::move(f);
  notify(Property::Font);
}

Font Control::effectiveFont() const {
  Font f = font_;
  for (const Control* c = parent_; c; c = c->parent_) {
    const Font& p = c->font_;
    if (f.name.empty()) f.name = p.name;
    if (f.sizePx == 0) f.sizePx = p.sizePx;
    if (!f.hasColor && p.hasColor) {
      f.hasColor = true;
      f.color = p.color;
    }
  }
  return f;
}

void Control::setColor(Color c) {
  if (hasColor_ && c == color_) return;
  hasColor_ = true;
  color_ = c;
  notify(Property::Color);
}

void Control::setHint(text::u16 h) {
  if (h == hint_) return;
  hint_ = std::move(h);
  notify(Property::Hint);
}

void Control::setTabStop(bool on) {
  if (on == tabStop_) return;
  tabStop_ = on;
  notify(Property::TabStop);
}

void Control::setFocus() { notify(Property::Focus); }

bool Control::mouseDown(MouseButton button, int x, int y, ShiftState) {
  if (!acceptsInput()) return false;
  if (onMouseDown) onMouseDown(button, x, y);
  return true;
}

bool Control::keyDown(KeyCode key, ShiftState shift) {
  if (!acceptsInput()) return false;
  if (onKeyDown) onKeyDown(key, shift);
  return key == keys::None;
}

}  // namespace surva::ui
