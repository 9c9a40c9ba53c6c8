#pragma once
// Moving the settings between the settings file and the controls that hold
// them while the program runs.
#include <functional>

#include "app/ini_file.h"
#include "app/settings_table.h"
#include "app/window_placement.h"
#include "ui/form.h"

namespace surva::app {

// The settings file: the executable's path with the extension ".ini".
text::u16 settingsFilePath(text::u16view executablePath);

// Every setting except the window position, in table order, each into the
// window's control of that name (a check box that changes raises its click
// event there and then; an up-down position outside the range is brought
// into it). `after` runs after each setting is in place. The target ProgID
// is read last; its default is the value it holds.
void readSettings(const IniFile& ini, const ui::Form& window, text::u16& targetProgId,
                  const std::function<void(const Setting&)>& after = {});

// Every setting from its control, in the order of the write table.
void writeSettings(IniFile& ini, const ui::Form& window, WindowPosition position, text::u16view targetProgId);

}  // namespace surva::app
