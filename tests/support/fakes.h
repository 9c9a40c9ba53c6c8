#pragma once
// Test doubles for the platform services: they record what the program did
// and answer from a script.
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"
#include "platform/posix/iconv_codec.h"

namespace surva::fakes {

using text::u16;

// Records sleeps instead of sleeping; `now` is the virtual time in ms.
class FakeClock : public platform::Clock {
 public:
  void sleep(std::uint32_t ms) override {
    sleeps.push_back(ms);
    now += ms;
    if (onSleep) onSleep(ms);
  }
  std::vector<std::uint32_t> sleeps;
  std::uint64_t now = 0;
  std::function<void(std::uint32_t)> onSleep;
};

struct ShownMessage {
  u16 message;
  u16 caption;
  platform::Icon icon;
  platform::Buttons buttons;
};

// Message boxes answer from `answers` in order (default: Ok, or Yes for
// yes/no boxes); file dialogs from their queues (nullopt = cancelled).
class FakeDialogs : public platform::Dialogs {
 public:
  platform::Answer messageBox(text::u16view message, text::u16view caption, platform::Icon icon,
                              platform::Buttons buttons) override;
  std::optional<u16> openFile(const platform::FileDialogRequest& request) override;
  std::optional<u16> saveFile(const platform::FileDialogRequest& request) override;

  std::vector<ShownMessage> shown;
  std::deque<platform::Answer> answers;
  std::deque<std::optional<u16>> openAnswers;
  std::deque<std::optional<u16>> saveAnswers;
  std::vector<platform::FileDialogRequest> fileRequests;
};

class FakeClipboard : public platform::Clipboard {
 public:
  u16 getText() override;
  void setText(text::u16view t) override;
  u16 text;
  bool failToOpen = false;  // the next calls throw as a locked clipboard does
  int reads = 0;
  int writes = 0;
};

struct WindowCall {
  std::string name;
  platform::WindowHandle window = 0;
  std::uint32_t a = 0;
  std::uint32_t b = 0;
  bool operator==(const WindowCall&) const = default;
};

// Windows are integers; `iconic` and `foreground` describe their state.
class FakeWindowApi : public platform::WindowApi {
 public:
  platform::WindowHandle findWindow(text::u16view className, text::u16view title) override;
  bool isIconic(platform::WindowHandle w) override;
  bool openIcon(platform::WindowHandle w) override;
  bool setForegroundWindow(platform::WindowHandle w) override;
  platform::WindowHandle foregroundWindow() override;
  void keybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override;

  std::vector<WindowCall> calls;
  std::map<platform::WindowHandle, bool> iconic;
  std::map<std::pair<u16, u16>, platform::WindowHandle> windows;  // (class, title)
  platform::WindowHandle foreground = 0;
  bool refuseForeground = false;
  // Called for every key event, so a stand-in can react to Escape.
  std::function<void(std::uint8_t vk, std::uint32_t flags)> onKey;
};

class FakeScreen : public platform::Screen {
 public:
  platform::Size primarySize() override { return size; }
  platform::Size size{1920, 1080};
};

class FakePaths : public platform::Paths {
 public:
  u16 executablePath() override { return exe; }
  std::optional<u16> shortPath(text::u16view path) override;
  u16 exe = u"C:\\Surva\\surva.exe";
  std::map<u16, u16> shortNames;
};

// An in-memory file system; `failWrites` makes every write fail as a full
// disk or a read-only folder does, leaving the old content.
class FakeFileSystem : public platform::FileSystem {
 public:
  std::optional<std::string> readFile(text::u16view path) override;
  void writeFileAtomic(text::u16view path, std::string_view bytes) override;
  bool exists(text::u16view path) override { return files.count(u16(path)) > 0; }
  std::map<u16, std::string> files;
  bool failWrites = false;
  int writes = 0;
};

// All fakes in one bundle; `services` points at them. Automation stays null
// until a test plugs in a stand-in.
struct TestServices {
  TestServices();
  FakeClock clock;
  FakeDialogs dialogs;
  FakeClipboard clipboard;
  FakeWindowApi windows;
  FakeScreen screen;
  FakePaths paths;
  FakeFileSystem files;
  platform::posix::IconvCodec codec;
  platform::Services services;
};

}  // namespace surva::fakes
