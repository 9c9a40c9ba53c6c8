#include "platform/files.h"

namespace surva::platform {

namespace {
std::size_t lastSeparator(text::u16view path) { return path.find_last_of(u"\\/"); }
}  // namespace

text::u16 replaceExtension(text::u16view path, text::u16view extension) {
  std::size_t sep = lastSeparator(path);
  std::size_t dot = path.find_last_of(u'.');
  text::u16 base(path);
  if (dot != text::u16view::npos && (sep == text::u16view::npos || dot > sep)) base.resize(dot);
  return base + text::u16(extension);
}

text::u16 folderOf(text::u16view path) {
  std::size_t sep = lastSeparator(path);
  if (sep == text::u16view::npos) return {};
  return text::u16(path.substr(0, sep + 1));
}

}  // namespace surva::platform
