// The Layers collection and one layer.
#include "sim/objects.h"
#include "sim/sim_object.h"

namespace surva::sim {

using platform::Variant;
using platform::VariantArray;

namespace {

bool validLayerName(text::u16view name) {
  if (text::trim(name).empty()) return false;
  for (char16_t c : name)
    if (text::u16view(u"<>/\\\":;?*|=`").find(c) != text::u16view::npos) return false;
  return true;
}

class LayerObject : public SimObject {
 public:
  LayerObject(std::shared_ptr<Cad> cad, text::u16 name) : SimObject(std::move(cad), u"Layer"), name_(std::move(name)) {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray&) override {
    const Layer* l = cad().drawing().findLayer(name_);
    if (!l) invalidArgument(u"オブジェクトは削除されています。");
    if (m == u"NAME") return l->name;
    if (m == u"COLOR") return std::int32_t(l->color);
    unknownMember();
  }

 private:
  text::u16 name_;
};

class LayersObject : public SimObject {
 public:
  explicit LayersObject(std::shared_ptr<Cad> cad) : SimObject(std::move(cad), u"Layers") {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    Drawing& d = cad().drawing();
    if (m == u"COUNT") return std::int32_t(d.layers().size());
    if (m == u"ITEM") {
      const Variant& key = arg(args, 0);
      if (key.kind() == Variant::Kind::Text) {
        const Layer* l = d.findLayer(key.toText());
        if (!l) invalidArgument(u"キーが見つかりません。");
        return makeLayerObject(cadPtr(), l->name);
      }
      return makeLayerObject(cadPtr(), d.layers()[indexArg(key, d.layers().size())].name);
    }
    if (m == u"ADD") {
      // Adding a layer that exists hands back that layer, as the CAD does.
      text::u16 name = arg(args, 0).toText();
      if (!validLayerName(name)) invalidArgument(u"画層名が無効です。");
      return makeLayerObject(cadPtr(), d.ensureLayer(name).name);
    }
    unknownMember();
  }
};

}  // namespace

platform::ObjectPtr makeLayers(std::shared_ptr<Cad> cad) { return std::make_shared<LayersObject>(std::move(cad)); }

platform::ObjectPtr makeLayerObject(std::shared_ptr<Cad> cad, text::u16 name) {
  return std::make_shared<LayerObject>(std::move(cad), std::move(name));
}

}  // namespace surva::sim
