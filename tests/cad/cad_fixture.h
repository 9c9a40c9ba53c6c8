#pragma once
// A stand-in CAD registered under a ProgID, with the fake services wired so
// that an Escape key sent to the CAD window reaches it.
#include <memory>
#include <string>
#include <vector>

#include "cad/hand_over.h"
#include "sim/cad.h"
#include "sim/objects.h"
#include "sim/sim_automation.h"
#include "support/fakes.h"

namespace surva::cadtest {

inline constexpr char16_t kProgId[] = u"Gcad.Application.23";

struct RecordingMainWindow : cad::MainWindowState {
  void minimise() override { events.push_back("minimise"); }
  void restore() override { events.push_back("restore"); }
  std::vector<std::string> events;
};

struct CadFixture {
  explicit CadFixture(sim::CadOptions options = {}) {
    cad = std::make_shared<sim::Cad>(fakes.files, fakes.codec, options);
    classId = automation.registerCad(kProgId, cad);
    fakes.services.automation = &automation;
    fakes.windows.onKey = [this](std::uint8_t vk, std::uint32_t flags) {
      if (fakes.windows.foreground == cad->window()) cad->keyEvent(vk, flags);
    };
  }
  const platform::Services& services() { return fakes.services; }
  platform::ObjectPtr app() { return automation.activeObject(classId); }
  platform::ObjectPtr doc() { return app()->get(u"ActiveDocument").toObject(); }

  fakes::TestServices fakes;
  sim::SimAutomation automation;
  std::shared_ptr<sim::Cad> cad;
  platform::ClassId classId;
};

}  // namespace surva::cadtest
