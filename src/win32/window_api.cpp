#include "win32/window_api.h"

#include <windows.h>

namespace surva::win32 {

namespace {
HWND hwnd(platform::WindowHandle w) { return reinterpret_cast<HWND>(w); }
}  // namespace

platform::WindowHandle Win32WindowApi::findWindow(text::u16view className, text::u16view title) {
  std::wstring c = text::toWide(className), t = text::toWide(title);
  return reinterpret_cast<platform::WindowHandle>(
      FindWindowW(c.empty() ? nullptr : c.c_str(), t.empty() ? nullptr : t.c_str()));
}

bool Win32WindowApi::isIconic(platform::WindowHandle w) { return IsIconic(hwnd(w)) != FALSE; }

bool Win32WindowApi::openIcon(platform::WindowHandle w) { return OpenIcon(hwnd(w)) != FALSE; }

bool Win32WindowApi::setForegroundWindow(platform::WindowHandle w) { return SetForegroundWindow(hwnd(w)) != FALSE; }

platform::WindowHandle Win32WindowApi::foregroundWindow() {
  return reinterpret_cast<platform::WindowHandle>(GetForegroundWindow());
}

void Win32WindowApi::keybdEvent(std::uint8_t virtualKey, std::uint8_t scanCode, std::uint32_t flags) {
  keybd_event(virtualKey, scanCode, flags, 0);
}

void Win32Clock::sleep(std::uint32_t milliseconds) { Sleep(milliseconds); }

}  // namespace surva::win32
