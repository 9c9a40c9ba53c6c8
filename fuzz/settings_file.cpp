// The settings file: any bytes as surva.ini, read into the window's
// controls as start-up reads them; written back as shutdown writes it, the
// next start-up reads the same values and the file keeps every line it had.
#include "app/main_form.h"
#include "app/settings_io.h"
#include "app/window_placement.h"
#include "fuzz_check.h"
#include "platform/text_file.h"
#include "sim/sim_automation.h"
#include "support/fakes.h"
#include "ui/controls.h"

using namespace surva;

namespace {

// Services as the program has them: automation included (no CAD
// installed), since check boxes read from the file run their handlers.
platform::Services& withAutomation(fakes::TestServices& f, platform::Automation& automation) {
  f.services.automation = &automation;
  return f.services;
}

struct Window {
  fakes::TestServices fakes;
  sim::SimAutomation automation;
  app::AppState state;
  app::MainForm form{withAutomation(fakes, automation), state};
};

struct Held {
  app::WindowPosition at;
  text::u16 progId;
  std::vector<text::u16> values;
  bool operator==(const Held& o) const {
    return at.left == o.at.left && at.top == o.at.top && progId == o.progId && values == o.values;
  }
};

// The controls that hold settings, looked up once.
struct Holder {
  app::SettingTarget target;
  ui::Control* control;
};
const std::vector<Holder>& holders(app::MainForm& form) {
  static const std::vector<Holder> all = [&] {
    std::vector<Holder> h;
    for (const app::Setting& s : app::settingsInReadOrder())
      if (!s.control.empty()) h.push_back({s.target, form.find(s.control)});
    return h;
  }();
  return all;
}

// Start-up's reading, without the file and the handlers around it.
Held start(Window& w, const app::IniFile& ini) {
  Held h;
  h.at = app::placeWindow(ini, w.fakes.screen.size, {w.form.outerWidth(), w.form.outerHeight()});
  h.progId = app::kDefaultTargetProgId;
  app::readSettings(ini, w.form, h.progId);
  for (const Holder& c : holders(w.form)) {
    if (c.target == app::SettingTarget::UpDown)
      h.values.push_back(text::intToText(static_cast<ui::UpDown*>(c.control)->position()));
    else if (c.target == app::SettingTarget::CheckBox)
      h.values.push_back(static_cast<ui::CheckBox*>(c.control)->checked() ? u"1" : u"0");
    else
      h.values.push_back(static_cast<ui::Edit*>(c.control)->text());
  }
  return h;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Window w;
  w.fakes.dialogs.shown.clear();  // what the handlers said about the missing CAD
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  auto content = platform::decodeText(bytes, w.fakes.codec);
  const std::size_t lineCount = content.lines.size();
  app::IniFile ini(std::move(content.lines), content.encoding);
  const Held first = start(w, ini);

  app::writeSettings(ini, w.form, first.at, first.progId);
  // Keys change in place or are added; no line goes.
  FUZZ_CHECK(ini.lines().size() >= lineCount);
  FUZZ_CHECK(start(w, ini) == first);
  return 0;
}
