#include "win32/services.h"

namespace surva::win32 {

platform::Services Win32Services::bundle(platform::Automation* automation) {
  platform::Services s;
  s.automation = automation;
  s.windows = &windows;
  s.clock = &clock;
  s.dialogs = &dialogs;
  s.clipboard = &clipboard;
  s.screen = &screen;
  s.paths = &paths;
  s.files = &files;
  s.codec = &codec;
  return s;
}

std::unique_ptr<Win32Services> makeServices() { return std::make_unique<Win32Services>(); }

}  // namespace surva::win32
