#include "app/settings_io.h"

#include "platform/files.h"
#include "text/number.h"
#include "ui/controls.h"

namespace surva::app {

using text::u16;
using text::u16view;

u16 settingsFilePath(u16view executablePath) { return platform::replaceExtension(executablePath, u".ini"); }

void readSettings(const IniFile& ini, const ui::Form& window, u16& targetProgId,
                  const std::function<void(const Setting&)>& after) {
  for (const Setting& s : settingsInReadOrder()) {
    switch (s.target) {
      case SettingTarget::FormLeft:
      case SettingTarget::FormTop:
        continue;  // the window is placed before the rest is read
      case SettingTarget::UpDown:
        window.get<ui::UpDown>(s.control).setPosition(ini.readInteger(s.section, s.key, s.defaultNumber));
        break;
      case SettingTarget::CheckBox:
        window.get<ui::CheckBox>(s.control).setChecked(ini.readBool(s.section, s.key, s.defaultNumber != 0));
        break;
      case SettingTarget::Edit:
        window.get<ui::Edit>(s.control).setText(ini.readString(s.section, s.key, s.defaultText));
        break;
      case SettingTarget::EditInteger:
        window.get<ui::Edit>(s.control).setText(text::intToText(ini.readInteger(s.section, s.key, s.defaultNumber)));
        break;
      case SettingTarget::TargetProgId:
        targetProgId = ini.readString(s.section, s.key, targetProgId);
        break;
    }
    if (after) after(s);
  }
}

void writeSettings(IniFile& ini, const ui::Form& window, WindowPosition position, u16view targetProgId) {
  for (const Setting* s : settingsInWriteOrder()) {
    auto name = s->writtenKey.empty() ? IniFile::KeyName::Keep : IniFile::KeyName::Respell;
    u16view key = s->keyToWrite();
    switch (s->target) {
      case SettingTarget::FormLeft:
        ini.writeInteger(s->section, key, position.left, name);
        break;
      case SettingTarget::FormTop:
        ini.writeInteger(s->section, key, position.top, name);
        break;
      case SettingTarget::UpDown:
        ini.writeInteger(s->section, key, window.get<ui::UpDown>(s->control).position(), name);
        break;
      case SettingTarget::CheckBox:
        ini.writeBool(s->section, key, window.get<ui::CheckBox>(s->control).checked(), name);
        break;
      case SettingTarget::Edit:
        ini.writeString(s->section, key, window.get<ui::Edit>(s->control).text(), name);
        break;
      case SettingTarget::EditInteger:
        ini.writeInteger(s->section, key,
                         text::tryParseIntOrHex(window.get<ui::Edit>(s->control).text()).value_or(s->defaultNumber), name);
        break;
      case SettingTarget::TargetProgId:
        ini.writeString(s->section, key, targetProgId, name);
        break;
    }
  }
}

}  // namespace surva::app
