#pragma once
// Moving the settings between the settings file and the controls that hold
// them while the program runs.
#include <functional>
#include <map>

#include "app/ini_file.h"
#include "app/settings_table.h"
#include "app/window_placement.h"
#include "ui/buttons.h"
#include "ui/edit.h"
#include "ui/up_down.h"

namespace surva::app {

// The controls of a window found by their form names.
class SettingControls {
 public:
  // Indexes root and everything under it.
  explicit SettingControls(ui::Control& root);
  void add(ui::Control& control);
  // Throws std::logic_error when the window has no such control of that kind.
  ui::CheckBox& checkBox(text::u16view name) const;
  ui::UpDown& upDown(text::u16view name) const;
  ui::Edit& edit(text::u16view name) const;

 private:
  ui::Control& find(text::u16view name) const;
  std::map<text::u16, ui::Control*, std::less<>> byName_;
};

// Every setting except the window position, in table order, each into its
// control (a check box that changes raises its click event there and then;
// an up-down position outside the range is brought into it). `after` runs
// after each setting is in place. The target ProgID is read last; its
// default is the value it holds.
void readSettings(const IniFile& ini, const SettingControls& controls, text::u16& targetProgId,
                  const std::function<void(const Setting&)>& after = {});

// Every setting from its control, in the order of the write table.
void writeSettings(IniFile& ini, const SettingControls& controls, WindowPosition position,
                   text::u16view targetProgId);

}  // namespace surva::app
