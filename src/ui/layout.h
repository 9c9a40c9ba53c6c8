#pragma once
// A form's layout as data: one row per control, parents before children.
// Fields of ControlProps are listed in the order designated initializers
// must follow.
#include <array>
#include <span>

#include "ui/buttons.h"
#include "ui/form.h"
#include "ui/static_controls.h"
#include "ui/string_grid.h"

namespace surva::ui {

struct ControlProps {
  const char16_t* hint = nullptr;
  bool readOnly = false;
  bool imeOff = false;
  Align align = Align::Left;
  const char16_t* fontName = nullptr;
  int fontSize = 0;
  bool bold = false;
  bool hasFontColor = false;
  Color fontColor = colors::WindowText;
  bool hasColor = false;
  Color color = colors::BtnFace;
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  int min = 0;  // up-down and progress bar range and position
  int max = 100;
  int position = 0;
  const char16_t* associate = nullptr;  // up-down buddy edit
  bool horizontal = false;
  bool tabStop = true;
  // String grids.
  int cols = 5;
  int rows = 5;
  int colWidth = 64;
  int rowHeight = 24;
  GridOptions grid = {};
  ScrollBars scrollBars = ScrollBars::Both;
  const char16_t* popupMenu = nullptr;
  // Buttons.
  ModalResult modalResult = ModalResult::None;
  bool isDefault = false;
  // Panels and images.
  Bevel bevelInner = Bevel::None;
  Bevel bevelOuter = Bevel::Raised;
  bool stretch = false;
  // Status bars: widths of the panels, 0 ends the list.
  std::array<int, 4> panels = {};
};

struct ControlSpec {
  Kind kind;
  const char16_t* name;
  const char16_t* parent;  // nullptr: the form
  Rect bounds;
  const char16_t* text = u"";  // caption or initial text
  ControlProps props = {};
};

// Creates the controls of the table on the form, in table order.
// std::logic_error for a parent or buddy that is not an earlier row, or a
// kind that cannot be created from a table (Form).
void buildForm(Form& form, std::span<const ControlSpec> layout);

}  // namespace surva::ui
