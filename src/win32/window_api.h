#pragma once
// Other programs' windows, keystrokes and sleeping through the Windows API.
#include "platform/window_api.h"

namespace surva::win32 {

class Win32WindowApi : public platform::WindowApi {
 public:
  platform::WindowHandle findWindow(text::u16view className, text::u16view title) override;
  bool isIconic(platform::WindowHandle w) override;
  bool openIcon(platform::WindowHandle w) override;
  bool setForegroundWindow(platform::WindowHandle w) override;
  platform::WindowHandle foregroundWindow() override;
  void keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) override;
};

class Win32Clock : public platform::Clock {
 public:
  void sleep(std::uint32_t milliseconds) override;
};

}  // namespace surva::win32
