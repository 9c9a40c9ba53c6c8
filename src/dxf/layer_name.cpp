#include "dxf/layer_name.h"

namespace surva::dxf {

text::u16 layerOrDefault(text::u16view box) { return box.empty() ? text::u16(u"0") : text::u16(box); }

std::optional<char16_t> forbiddenLayerCharacter(text::u16view name) {
  static constexpr text::u16view kForbidden = u"<>/\\\":;?*|,=`";
  for (char16_t c : name)
    if (kForbidden.find(c) != text::u16view::npos) return c;
  return std::nullopt;
}

text::u16 badLayerMessage(text::u16view label, text::u16view name) {
  return text::u16(u"作成画層「") + text::u16(label) + u"」の画層名\n" + text::u16(name) +
         u"\nには画層名に使えない文字（< > / \\ \" : ; ? * | , = `）が含まれています．\n" +
         u"画層名を直してから実行してください．";
}

}  // namespace surva::dxf
