#include "cad/ensure_layer.h"

namespace surva::cad {

using platform::Variant;

void EnsureLayer(platform::Object& application, text::u16view layerName) {
  auto layers = application.get(u"ActiveDocument").toObject()->get(u"Layers").toObject();
  std::int32_t count = layers->get(u"Count").toInt();
  for (std::int32_t i = 0; i < count; ++i) {
    auto layer = layers->call(u"Item", {Variant(i)}).toObject();
    if (text::upperAscii(layer->get(u"Name").toText()) == layerName) return;
  }
  layers->call(u"Add", {Variant(text::u16(layerName))});
}

}  // namespace surva::cad
