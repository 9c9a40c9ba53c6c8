#include "support/fakes.h"

#include "text/error.h"

namespace surva::fakes {

platform::Answer FakeDialogs::messageBox(text::u16view message, text::u16view caption, platform::Icon icon,
                                         platform::Buttons buttons) {
  shown.push_back({u16(message), u16(caption), icon, buttons});
  if (!answers.empty()) {
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  return (buttons == platform::Buttons::YesNo || buttons == platform::Buttons::YesNoCancel) ? platform::Answer::Yes
                                                                                           : platform::Answer::Ok;
}

std::optional<u16> FakeDialogs::openFile(const platform::FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (openAnswers.empty()) return std::nullopt;
  auto a = openAnswers.front();
  openAnswers.pop_front();
  return a;
}

std::optional<u16> FakeDialogs::saveFile(const platform::FileDialogRequest& request) {
  fileRequests.push_back(request);
  if (saveAnswers.empty()) return std::nullopt;
  auto a = saveAnswers.front();
  saveAnswers.pop_front();
  return a;
}

u16 FakeClipboard::getText() {
  if (failToOpen) throw Failure(u"クリップボードを開けません");
  ++reads;
  return text;
}

void FakeClipboard::setText(text::u16view t) {
  if (failToOpen) throw Failure(u"クリップボードを開けません");
  ++writes;
  text = u16(t);
}

platform::WindowHandle FakeWindowApi::findWindow(text::u16view className, text::u16view title) {
  calls.push_back({"findWindow", 0, 0, 0});
  for (const auto& [key, w] : windows)
    if ((className.empty() || key.first == className) && (title.empty() || key.second == title)) return w;
  return 0;
}

bool FakeWindowApi::isIconic(platform::WindowHandle w) {
  calls.push_back({"isIconic", w, 0, 0});
  auto it = iconic.find(w);
  return it != iconic.end() && it->second;
}

bool FakeWindowApi::openIcon(platform::WindowHandle w) {
  calls.push_back({"openIcon", w, 0, 0});
  iconic[w] = false;
  return true;
}

bool FakeWindowApi::setForegroundWindow(platform::WindowHandle w) {
  calls.push_back({"setForegroundWindow", w, 0, 0});
  if (refuseForeground) return false;
  foreground = w;
  return true;
}

platform::WindowHandle FakeWindowApi::foregroundWindow() {
  calls.push_back({"foregroundWindow", 0, 0, 0});
  return foreground;
}

void FakeWindowApi::keybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) {
  calls.push_back({"keybdEvent", foreground, vk, flags});
  (void)scan;
  if (onKey) onKey(vk, flags);
}

std::optional<u16> FakePaths::shortPath(text::u16view path) {
  auto it = shortNames.find(u16(path));
  if (it == shortNames.end()) return std::nullopt;
  return it->second;
}

std::optional<std::string> FakeFileSystem::readFile(text::u16view path) {
  auto it = files.find(u16(path));
  if (it == files.end()) return std::nullopt;
  return it->second;
}

void FakeFileSystem::writeFileAtomic(text::u16view path, std::string_view bytes) {
  if (failWrites)
    throw Failure(u"ファイル " + u16(path) + u" に書き込めません．\nディスクがいっぱいです");
  ++writes;
  files[u16(path)] = std::string(bytes);
}

TestServices::TestServices() {
  services.windows = &windows;
  services.clock = &clock;
  services.dialogs = &dialogs;
  services.clipboard = &clipboard;
  services.screen = &screen;
  services.paths = &paths;
  services.files = &files;
  services.codec = &codec;
}

}  // namespace surva::fakes
