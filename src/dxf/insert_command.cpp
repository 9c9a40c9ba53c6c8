#include "dxf/insert_command.h"

namespace surva::dxf {

namespace {
bool hasBlank(text::u16view s) { return s.find(u' ') != text::u16view::npos; }
}  // namespace

std::optional<text::u16> commandLinePath(platform::Paths& paths, text::u16view path) {
  if (!hasBlank(path)) return text::u16(path);
  std::optional<text::u16> shortForm = paths.shortPath(path);
  if (!shortForm || shortForm->empty() || hasBlank(*shortForm)) return std::nullopt;
  return shortForm;
}

text::u16 insertCommand(text::u16view path, text::u16view answers) {
  return u"-INSERT *" + text::u16(path) + u"\r" + text::u16(answers) + u"\r";
}

text::u16 blankPathMessage(text::u16view path) {
  return u"DXF ファイルのパス\n" + text::u16(path) +
         u"\nに空白が含まれ、空白のない短い形式（8.3 形式）もないため、CAD に挿入できません．\n"
         u"空白を含まないフォルダにプログラムを置いてください．";
}

}  // namespace surva::dxf
