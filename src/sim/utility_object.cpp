// The Utility object: picks that wait for the user.
#include "sim/objects.h"
#include "sim/sim_object.h"

namespace surva::sim {

using platform::AutomationError;
using platform::Variant;
using platform::VariantArray;

namespace {

[[noreturn]] void cancelled() { throw AutomationError(u"ユーザーが入力をキャンセルしました。", hr::kFail); }

class UtilityObject : public SimObject {
 public:
  explicit UtilityObject(std::shared_ptr<Cad> cad) : SimObject(std::move(cad), u"Utility") {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    if (m == u"PROMPT") return {};
    if (m == u"GETPOINT") {
      UserAction a = cad().awaitUser();
      if (a.kind != UserAction::Kind::PickPoint && a.kind != UserAction::Kind::PickEntity) cancelled();
      cad().drawing().variables().setPoint(u"LASTPOINT", a.point);
      return pointValue(a.point);
    }
    if (m == u"GETENTITY") {
      if (args.size() < 2) arg(args, 1);
      if (!args[0].isRef() || !args[1].isRef()) throw AutomationError(u"型が一致しません。", hr::kTypeMismatch);
      UserAction a = cad().awaitUser();
      if (a.kind == UserAction::Kind::PickPoint) throw AutomationError(u"オブジェクトが選択されていません。", hr::kFail);
      if (a.kind != UserAction::Kind::PickEntity) cancelled();
      const Entity* e = cad().drawing().find(a.handles.at(0));
      if (!e) throw AutomationError(u"オブジェクトが選択されていません。", hr::kFail);
      *args[0].refCell() = Variant(makeEntityObject(cadPtr(), e->handle));
      *args[1].refCell() = pointValue(a.point);
      return {};
    }
    unknownMember();
  }
};

}  // namespace

platform::ObjectPtr makeUtility(std::shared_ptr<Cad> cad) { return std::make_shared<UtilityObject>(std::move(cad)); }

}  // namespace surva::sim
