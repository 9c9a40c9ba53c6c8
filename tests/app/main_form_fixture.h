#pragma once
// A main window on fake services and a recording backend.
#include "app/main_form.h"
#include "support/fake_backend.h"
#include "support/fakes.h"

namespace surva::app::testing {

struct MainFormFixture {
  fakes::TestServices fakes;
  fakes::FakeBackend backend;
  AppState state;
  MainForm form{fakes.services, state, &backend};
};

}  // namespace surva::app::testing
