#pragma once
// Every setting of the settings file: where it lives, its type, the value
// used when the key is absent and the control that holds it while the
// program runs.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace surva::app {

enum class SettingType {
  Integer,     // decimal text; "0x" hexadecimal also read
  Bool,        // "1" / "0"; read as an integer, non-zero is true
  Text,        // stored unchanged
  NumberText,  // a number kept as the text the user typed, never converted
};

// What a setting is read into and written from.
enum class SettingTarget {
  FormLeft,      // the main window's left edge; default centres it
  FormTop,       // the main window's top edge; default centres it
  UpDown,        // an up-down's position
  CheckBox,      // a check box's state
  Edit,          // an edit's text
  EditInteger,   // an edit showing an integer (written as 500 when it holds none)
  TargetProgId,  // the program-wide target ProgID; default is its current value
};

struct Setting {
  std::u16string_view section;
  std::u16string_view key;  // as read (names match without regard to case)
  SettingType type;
  SettingTarget target;
  std::u16string_view control;  // the control's form name, empty for window/ProgID
  std::int32_t defaultNumber = 0;           // Integer and Bool (1 = true)
  std::u16string_view defaultText = u"";    // Text and NumberText
  // Non-empty when the key is always written with this spelling, whatever
  // letter case an existing file uses for it.
  std::u16string_view writtenKey = u"";

  std::u16string_view keyToWrite() const { return writtenKey.empty() ? key : writtenKey; }
};

// All settings in the order start-up reads them.
std::span<const Setting> settingsInReadOrder();
// The same settings in the order shutdown writes them (by section; a section
// may appear twice).
const std::vector<const Setting*>& settingsInWriteOrder();
// nullptr when no setting has that section and key (case-insensitive).
const Setting* findSetting(std::u16string_view section, std::u16string_view key);

}  // namespace surva::app
