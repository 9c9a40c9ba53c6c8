#pragma once
// The few window functions the CAD and spreadsheet links use on other
// programs' windows.
#include <cstdint>

#include "text/u16.h"

namespace surva::platform {

using WindowHandle = std::intptr_t;  // HWND as an integer; 0 is none

constexpr std::uint8_t kVkEscape = 27;
constexpr std::uint32_t kKeyEventKeyUp = 2;  // KEYEVENTF_KEYUP

class WindowApi {
 public:
  virtual ~WindowApi() = default;
  // FindWindowW; empty class or title means "any".
  virtual WindowHandle findWindow(text::u16view className, text::u16view title) = 0;
  virtual bool isIconic(WindowHandle w) = 0;
  virtual bool openIcon(WindowHandle w) = 0;
  virtual bool setForegroundWindow(WindowHandle w) = 0;
  virtual WindowHandle foregroundWindow() = 0;
  virtual void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // Blocks the user-interface thread, like Sleep.
  virtual void sleep(std::uint32_t milliseconds) = 0;
};

}  // namespace surva::platform
