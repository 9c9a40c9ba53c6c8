#include "sim/objects.h"
#include "sim/sim_object.h"

namespace surva::sim {

using platform::Variant;
using platform::VariantArray;

namespace {

class ModelSpaceObject : public SimObject {
 public:
  explicit ModelSpaceObject(std::shared_ptr<Cad> cad) : SimObject(std::move(cad), u"ModelSpace") {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    Drawing& d = cad().drawing();
    if (m == u"NAME") return u"*Model_Space";
    if (m == u"COUNT") return std::int32_t(d.entities().size());
    if (m == u"ITEM") return makeEntityObject(cadPtr(), d.entities()[indexArg(arg(args, 0), d.entities().size())].handle);
    if (m == u"ADDTEXT") {
      text::u16 s = arg(args, 0).toText();
      Vec3 p = pointArg(arg(args, 1));
      double h = arg(args, 2).toDouble();
      if (h <= 0) invalidArgument();
      return added(makeText(s, p, h));
    }
    if (m == u"ADDLINE") return added(makeLine(pointArg(arg(args, 0)), pointArg(arg(args, 1))));
    if (m == u"ADDCIRCLE") {
      double r = arg(args, 1).toDouble();
      if (r <= 0) invalidArgument();
      return added(makeCircle(pointArg(arg(args, 0)), r));
    }
    if (m == u"ADDPOINT") return added(makePoint(pointArg(arg(args, 0))));
    if (m == u"ADDLIGHTWEIGHTPOLYLINE") {
      auto c = arg(args, 0).toDoubles();
      if (c.size() < 4 || c.size() % 2) invalidArgument();
      std::vector<Vec3> pts;
      for (std::size_t i = 0; i + 1 < c.size(); i += 2) pts.push_back({c[i], c[i + 1], 0});
      return added(makeLwPolyline(pts, 0, false));
    }
    unknownMember();
  }

 private:
  Variant added(Entity e) {
    Drawing& d = cad().drawing();
    e.layer = d.variables().get(u"CLAYER")->toText();
    text::u16 handle = d.add(std::move(e)).handle;
    return makeEntityObject(cadPtr(), handle);
  }
};

}  // namespace

platform::ObjectPtr makeModelSpace(std::shared_ptr<Cad> cad) { return std::make_shared<ModelSpaceObject>(std::move(cad)); }

}  // namespace surva::sim
