#include "app/window_placement.h"

namespace surva::app {

WindowPosition placeWindow(const IniFile& ini, platform::Size screen, platform::Size window) {
  WindowPosition p;
  p.left = ini.readInteger(u"Form", u"Left", (screen.width - window.width) / 2);
  p.top = ini.readInteger(u"Form", u"Top", (screen.height - window.height) / 2);
  // In 64 bits: a hand-edited Left or Top near the integer limit must not wrap.
  if (static_cast<long long>(p.left) + window.width > screen.width) p.left = screen.width - window.width;
  if (static_cast<long long>(p.top) + window.height > screen.height) p.top = screen.height - window.height;
  return p;
}

}  // namespace surva::app
