#include "platform/files.h"

#include "text/error.h"

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

bool hasExtension(text::u16view path) {
  std::size_t sep = lastSeparator(path);
  std::size_t dot = path.find_last_of(u'.');
  return dot != text::u16view::npos && (sep == text::u16view::npos || dot > sep);
}

text::u16 readFailureMessage(text::u16view path, text::u16view reason) {
  return u"ファイル " + text::u16(path) + u" を読み込めません．\n" + text::u16(reason);
}

void FileSystem::readFileInPieces(text::u16view path, const PieceSink& sink) {
  std::optional<std::string> bytes = readFile(path);
  if (!bytes) throw Failure(readFailureMessage(path, u"ファイルが見つかりません．"));
  sink(*bytes);
}

text::u16 folderOf(text::u16view path) {
  std::size_t sep = lastSeparator(path);
  if (sep == text::u16view::npos) return {};
  return text::u16(path.substr(0, sep + 1));
}

}  // namespace surva::platform
