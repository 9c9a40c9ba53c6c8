// Application and its state snapshot.
#include "sim/objects.h"
#include "sim/sim_object.h"

namespace surva::sim {

using platform::Variant;
using platform::VariantArray;

namespace {

class StateObject : public SimObject {
 public:
  StateObject(std::shared_ptr<Cad> cad, bool quiescent) : SimObject(std::move(cad), u"State"), quiescent_(quiescent) {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray&) override {
    if (m == u"ISQUIESCENT") return quiescent_;
    unknownMember();
  }

 private:
  bool quiescent_;
};

class ApplicationObject : public SimObject {
 public:
  explicit ApplicationObject(std::shared_ptr<Cad> cad) : SimObject(std::move(cad), u"Application") {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    if (m == u"HWND") return std::int32_t(cad().window());
    if (m == u"ACTIVEDOCUMENT") return makeDocument(cadPtr());
    if (m == u"NAME" || m == u"CAPTION") return cad().options().name;
    if (m == u"VISIBLE") return true;
    if (m == u"ZOOMCENTER") {
      Vec3 c = pointArg(arg(args, 0));
      double magnification = arg(args, 1).toDouble();
      auto& v = cad().drawing().variables();
      v.setPoint(u"VIEWCTR", c);
      if (magnification > 0) v.setRaw(u"VIEWSIZE", Variant(magnification));
      return {};
    }
    if (m == u"QUIT") {
      cad().close();
      return {};
    }
    for (const auto& state : cad().options().stateMembers)
      if (m == text::upperAscii(state)) return makeState(cadPtr(), cad().pollQuiescent());
    unknownMember();
  }
};

}  // namespace

platform::ObjectPtr makeApplication(std::shared_ptr<Cad> cad) { return std::make_shared<ApplicationObject>(std::move(cad)); }

platform::ObjectPtr makeState(std::shared_ptr<Cad> cad, bool quiescent) {
  return std::make_shared<StateObject>(std::move(cad), quiescent);
}

}  // namespace surva::sim
