#include "app/settings_io.h"

#include <stdexcept>

#include "text/number.h"

namespace surva::app {

using text::u16;
using text::u16view;

namespace {

template <typename T>
T& as(ui::Control& c, u16view name) {
  auto* typed = dynamic_cast<T*>(&c);
  if (!typed) throw std::logic_error("control " + text::toUtf8(name) + " is not of the kind its setting needs");
  return *typed;
}

}  // namespace

SettingControls::SettingControls(ui::Control& root) { add(root); }

void SettingControls::add(ui::Control& control) {
  if (!control.name().empty()) byName_.emplace(control.name(), &control);
  for (ui::Control* child : control.children()) add(*child);
}

ui::Control& SettingControls::find(u16view name) const {
  auto it = byName_.find(name);
  if (it == byName_.end()) throw std::logic_error("the window has no control " + text::toUtf8(name));
  return *it->second;
}

ui::CheckBox& SettingControls::checkBox(u16view name) const { return as<ui::CheckBox>(find(name), name); }
ui::UpDown& SettingControls::upDown(u16view name) const { return as<ui::UpDown>(find(name), name); }
ui::Edit& SettingControls::edit(u16view name) const { return as<ui::Edit>(find(name), name); }

void readSettings(const IniFile& ini, const SettingControls& controls, u16& targetProgId,
                  const std::function<void(const Setting&)>& after) {
  for (const Setting& s : settingsInReadOrder()) {
    switch (s.target) {
      case SettingTarget::FormLeft:
      case SettingTarget::FormTop:
        continue;  // the window is placed before the rest is read
      case SettingTarget::UpDown:
        controls.upDown(s.control).setPosition(ini.readInteger(s.section, s.key, s.defaultNumber));
        break;
      case SettingTarget::CheckBox:
        controls.checkBox(s.control).setChecked(ini.readBool(s.section, s.key, s.defaultNumber != 0));
        break;
      case SettingTarget::Edit:
        controls.edit(s.control).setText(ini.readString(s.section, s.key, s.defaultText));
        break;
      case SettingTarget::EditInteger:
        controls.edit(s.control).setText(text::intToText(ini.readInteger(s.section, s.key, s.defaultNumber)));
        break;
      case SettingTarget::TargetProgId:
        targetProgId = ini.readString(s.section, s.key, targetProgId);
        break;
    }
    if (after) after(s);
  }
}

void writeSettings(IniFile& ini, const SettingControls& controls, WindowPosition position, u16view targetProgId) {
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
        ini.writeInteger(s->section, key, controls.upDown(s->control).position(), name);
        break;
      case SettingTarget::CheckBox:
        ini.writeBool(s->section, key, controls.checkBox(s->control).checked(), name);
        break;
      case SettingTarget::Edit:
        ini.writeString(s->section, key, controls.edit(s->control).text(), name);
        break;
      case SettingTarget::EditInteger:
        ini.writeInteger(s->section, key,
                         text::tryParseIntOrHex(controls.edit(s->control).text()).value_or(s->defaultNumber), name);
        break;
      case SettingTarget::TargetProgId:
        ini.writeString(s->section, key, targetProgId, name);
        break;
    }
  }
}

}  // namespace surva::app
