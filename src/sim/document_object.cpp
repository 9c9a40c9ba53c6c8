#include "sim/objects.h"
#include "sim/sim_object.h"

namespace surva::sim {

using platform::Variant;
using platform::VariantArray;

namespace {

class DocumentObject : public SimObject {
 public:
  explicit DocumentObject(std::shared_ptr<Cad> cad) : SimObject(std::move(cad), u"Document") {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    Drawing& d = cad().drawing();
    if (m == u"NAME") return d.name;
    if (m == u"GETVARIABLE") {
      auto v = d.variables().get(arg(args, 0).toText());
      if (!v) invalidArgument(u"システム変数名が無効です。");
      return *v;
    }
    if (m == u"SETVARIABLE") {
      d.variables().set(arg(args, 0).toText(), arg(args, 1));
      return {};
    }
    if (m == u"SENDCOMMAND") {
      cad().commandLine().type(arg(args, 0).toText());
      return {};
    }
    if (m == u"REGEN") {
      arg(args, 0).toInt();
      ++d.regenerations;
      return {};
    }
    if (m == u"MODELSPACE") return makeModelSpace(cadPtr());
    if (m == u"LAYERS") return makeLayers(cadPtr());
    if (m == u"SELECTIONSETS") return makeSelectionSets(cadPtr());
    if (m == u"UTILITY") return makeUtility(cadPtr());
    unknownMember();
  }
};

}  // namespace

platform::ObjectPtr makeDocument(std::shared_ptr<Cad> cad) { return std::make_shared<DocumentObject>(std::move(cad)); }

}  // namespace surva::sim
