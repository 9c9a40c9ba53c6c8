#pragma once
// How a window system backs the control model.
//
// The controls in ui/ are plain objects that hold all of their state and
// raise their events themselves; with no backend (tests) the model is the
// whole control. A backend gives each control a peer, a real window kept in
// step with the model:
//
//   * Backend::createPeer(control) is called once per control, parents
//     before children (the order in which the form created them), when the
//     form is first shown (Form::show or Form::showModal) or when
//     Form::attachPeers() is called. The peer reads the whole current state
//     of its control at creation. It may return nullptr (no window, e.g. a
//     menu item handled by its menu's peer).
//   * Model -> window: after every change of state the model calls
//     peer->propertyChanged(p) with what changed; the peer reads the new
//     value from the control (it keeps a reference to it). A change that the
//     peer itself caused (the user typed, so the peer called Edit::setText)
//     is notified too: compare and skip.
//   * Window -> model: the peer turns user input into calls of the controls'
//     input methods: Control::mouseDown, Control::keyDown, Button::click,
//     CheckBox::click, Edit::setText (typing), UpDown::click,
//     PageControl::setActivePageIndex, ListBox::setItemIndex, MenuItem::click,
//     StringGrid::mouseDown/mouseUp/mouseMove/doubleClick/mouseWheel/keyDown/
//     keyPress/setEditorText (typing in the in-place editor),
//     StringGrid::setTopRow, Form::requestClose. These apply the enabling
//     rules (a disabled or hidden control gets no input) and raise the events.
//   * Program changes and user changes raise the same change events
//     (Edit onChange, CheckBox onClick, UpDown onChange, ...), only when the
//     value really changes.
//   * Form::showModal() calls Backend::showModal(form), which runs a modal
//     loop until Form::modalResult() becomes other than None (the form's
//     peer gets propertyChanged(ModalResult)). A form with no backend asks
//     the hook set by setModalHook (tests), or returns ModalResult::Cancel.
//   * Peers are destroyed with their controls, children before parents
//     (Form destroys its controls in reverse creation order).
//   * Painting of grids is virtual: StringGrid::cellStyle(col, row) gives the
//     colours and alignment of one cell (the program's draw-cell rules
//     included) and TextGrid::cell its text.
#include <memory>

#include "ui/types.h"

namespace surva::ui {

class Control;
class Form;

enum class Property {
  Text,         // caption of most controls, text of an edit
  Bounds,
  Enabled,      // the control's own flag; a peer may also look at parents
  Visible,
  Font,
  Color,
  Hint,
  TabStop,
  ReadOnly,
  ImeMode,
  Alignment,
  Checked,
  Range,        // min/max of an up-down or progress bar
  Position,     // up-down or progress bar position
  Items,        // list box items, menu items, status bar panels
  ItemIndex,
  ActivePage,
  Cells,        // grid text, sizes, current cell or selection changed
  GridLayout,   // column widths, row height, options, top row
  EditorMode,   // grid in-place editor opened or closed, or its text changed
  Repaint,      // draw again: paint rules depend on something outside
  Focus,        // the program asks for keyboard focus
  WindowState,  // form minimised / restored
  ModalResult,  // a modal form is to close
  Foreground,   // the program brings its form to the front
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void propertyChanged(Property what) = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::unique_ptr<ControlPeer> createPeer(Control& control) = 0;
  // Shows the form modally; returns when its modal result is set (or the
  // user closed it: Cancel).
  virtual ModalResult showModal(Form& form) = 0;
  // Shows a modeless form (the main window).
  virtual void show(Form& form) = 0;
  // Lets pending window messages through (repaint during a long command).
  virtual void processMessages() = 0;
  // The outer size of the form's window on the primary monitor, in screen
  // pixels: its client area at that monitor's DPI and the frame the system
  // draws there. The default has no monitor: layout pixels and the form's
  // frame estimate.
  virtual void outerSizeOnPrimary(const Form& form, int& width, int& height);
};

}  // namespace surva::ui
