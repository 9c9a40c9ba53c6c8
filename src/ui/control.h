#pragma once
// The base of every control: name, parent, bounds, caption, enabled/visible,
// font, hint, tab stop, an optional backend peer, mouse and key events.
#include <functional>
#include <memory>
#include <vector>

#include "text/u16.h"
#include "ui/peer.h"
#include "ui/types.h"

namespace surva::ui {

enum class Kind {
  Form,
  PageControl,
  TabSheet,
  GroupBox,
  Panel,
  Label,
  Image,
  Edit,
  UpDown,
  CheckBox,
  Button,
  SpeedButton,  // flat button
  ListBox,
  ProgressBar,
  StatusBar,
  PopupMenu,
  MenuItem,
  StringGrid,
};

const char* kindName(Kind k);

using MouseHandler = std::function<void(MouseButton button, int x, int y)>;
// A handler consumes the key by setting it to keys::None.
using KeyHandler = std::function<void(KeyCode& key, ShiftState shift)>;
using Handler = std::function<void()>;

class Control {
 public:
  Control(Kind kind, text::u16 name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Kind kind() const { return kind_; }
  const text::u16& name() const { return name_; }

  Control* parent() const { return parent_; }
  const std::vector<Control*>& children() const { return children_; }
  // Appends this control to the new parent's children.
  void setParent(Control* parent);
  // The form this control belongs to (itself for a form).
  Form* form();

  const Rect& bounds() const { return bounds_; }
  void setBounds(Rect r);

  // Caption of labels, buttons, check boxes, group boxes, pages and forms;
  // the text of an edit (see Edit::setText for its change event).
  const text::u16& text() const { return text_; }
  virtual void setText(text::u16 value);

  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  bool visible() const { return visible_; }
  void setVisible(bool on);
  // Enabled, and every parent too: a control in a disabled group box is
  // greyed and gets no input, whatever its own flag says.
  bool enabledInTree() const;
  bool visibleInTree() const;
  // Mouse and keyboard input reach only controls that are enabled and shown.
  bool acceptsInput() const { return enabledInTree() && visibleInTree(); }

  const Font& font() const { return font_; }
  void setFont(Font f);
  // The font in effect: own fields, the rest from the parents.
  Font effectiveFont() const;

  bool hasColor() const { return hasColor_; }
  Color color() const { return color_; }
  void setColor(Color c);

  const text::u16& hint() const { return hint_; }
  void setHint(text::u16 h);
  bool tabStop() const { return tabStop_; }
  void setTabStop(bool on);

  void setFocus();

  // User input. Ignored (returns false) when the control takes no input.
  virtual bool mouseDown(MouseButton button, int x, int y, ShiftState shift = {});
  // Raises onKeyDown; true when the key was consumed.
  virtual bool keyDown(KeyCode key, ShiftState shift = {});

  MouseHandler onMouseDown;
  KeyHandler onKeyDown;

  ControlPeer* peer() const { return peer_.get(); }
  void setPeer(std::unique_ptr<ControlPeer> p) { peer_ = std::move(p); }

 protected:
  void notify(Property what) {
    if (peer_) peer_->propertyChanged(what);
  }

 private:
  void removeChild(Control* c);

  Kind kind_;
  text::u16 name_;
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Rect bounds_;
  text::u16 text_;
  bool enabled_ = true;
  bool visible_ = true;
  Font font_;
  bool hasColor_ = false;
  Color color_ = colors::BtnFace;
  text::u16 hint_;
  bool tabStop_ = true;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace surva::ui
