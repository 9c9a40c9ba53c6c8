#pragma once
// The version dialog: created, shown modally and destroyed each time it is
// opened.
#include "ui/controls.h"

namespace surva::app {

class AboutBox : public ui::Form {
 public:
  // Owned by `owner`, whose backend shows it.
  explicit AboutBox(ui::Form& owner);

 private:
  bool buildLayout();
  bool layoutBuilt_;  // before the members that bind to the layout

 public:
  ui::Panel& Panel1;
  ui::Image& ProgramIcon;
  ui::Label& ProductName;
  ui::Label& Version;
  ui::Button& OKButton;
};

}  // namespace surva::app
