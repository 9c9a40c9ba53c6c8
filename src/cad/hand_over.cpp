#include "cad/hand_over.h"

namespace surva::cad {

void HandOverToCad(MainWindowState& main, platform::Clock& clock) {
  main.minimise();
  clock.sleep(100);
}

void TakeBackFromCad(MainWindowState& main) { main.restore(); }

HandOverScope::~HandOverScope() {
  try {
    takeBack();
  } catch (...) {
  }
}

void HandOverScope::takeBack() {
  if (!handedOver_) return;
  handedOver_ = false;
  TakeBackFromCad(main_);
}

}  // namespace surva::cad
