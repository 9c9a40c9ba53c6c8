#include "app/program.h"

namespace surva::app {

Program::Program(platform::Services& services, ui::Backend* backend, MessageFilterRegistration* messageFilter) {
  state_.messageFilter = messageFilter;
  main_ = std::make_unique<MainForm>(services, state_, backend);
  main_->startUp();
  targetCad_ = std::make_unique<TTargetCADForm>(
      services, TargetCadLinks{*main_, main_->Edit35, main_->Edit36, state_.targetProgId}, main_.get());
  state_.targetCadForm = targetCad_.get();
}

Program::~Program() {
  state_.targetCadForm = nullptr;
  targetCad_.reset();
}

}  // namespace surva::app
