#pragma once
// A stand-in CAD reached through in-process automation, with fake services.
#include <memory>

#include "sim/cad.h"
#include "sim/objects.h"
#include "sim/sim_automation.h"
#include "support/fakes.h"

namespace surva::simtest {

struct SimCadFixture {
  SimCadFixture() {
    cad = std::make_shared<sim::Cad>(fakes.files, fakes.codec);
    app = sim::makeApplication(cad);
  }
  platform::ObjectPtr doc() { return app->get(u"ActiveDocument").toObject(); }
  fakes::TestServices fakes;
  std::shared_ptr<sim::Cad> cad;
  platform::ObjectPtr app;
};

}  // namespace surva::simtest
