// The SelectionSets collection and one selection set.
#include <algorithm>

#include "sim/objects.h"
#include "sim/selection_filter.h"
#include "sim/sim_object.h"

namespace surva::sim {

using platform::Variant;
using platform::VariantArray;

namespace {

class SelectionSetObject : public SimObject {
 public:
  SelectionSetObject(std::shared_ptr<Cad> cad, std::shared_ptr<SelectionSetData> data)
      : SimObject(std::move(cad), u"SelectionSet"), data_(std::move(data)) {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    if (data_->deleted) invalidArgument(u"オブジェクトは削除されています。");
    auto& handles = data_->handles;
    if (m == u"NAME") return data_->name;
    if (m == u"COUNT") return std::int32_t(handles.size());
    if (m == u"ITEM") return makeEntityObject(cadPtr(), handles[indexArg(arg(args, 0), handles.size())]);
    if (m == u"CLEAR") {
      handles.clear();
      return {};
    }
    if (m == u"DELETE") {
      data_->deleted = true;
      auto& sets = cad().drawing().selectionSets();
      sets.erase(std::remove(sets.begin(), sets.end(), data_), sets.end());
      return {};
    }
    if (m == u"SELECTONSCREEN") {
      selectOnScreen(SelectionFilter(optionalArg(args, 0), optionalArg(args, 1)));
      return {};
    }
    unknownMember();
  }

 private:
  // Returns when the user ends the selection; Esc drops what this call picked.
  void selectOnScreen(const SelectionFilter& filter) {
    auto& handles = data_->handles;
    std::size_t before = handles.size();
    auto take = [&](const text::u16& h) {
      const Entity* e = cad().drawing().find(h);
      if (!e || !filter.admits(*e)) return;
      if (std::find(handles.begin(), handles.end(), e->handle) == handles.end()) handles.push_back(e->handle);
    };
    for (;;) {
      UserAction a = cad().awaitUser();
      switch (a.kind) {
        case UserAction::Kind::Select:
        case UserAction::Kind::PickEntity:
          for (const auto& h : a.handles) take(h);
          break;
        case UserAction::Kind::Finish: return;
        case UserAction::Kind::Escape:
          handles.resize(before);
          return;
        default: break;  // a click on empty space selects nothing
      }
    }
  }

  std::shared_ptr<SelectionSetData> data_;
};

class SelectionSetsObject : public SimObject {
 public:
  explicit SelectionSetsObject(std::shared_ptr<Cad> cad) : SimObject(std::move(cad), u"SelectionSets") {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    Drawing& d = cad().drawing();
    auto& sets = d.selectionSets();
    if (m == u"COUNT") return std::int32_t(sets.size());
    if (m == u"ITEM") {
      const Variant& key = arg(args, 0);
      if (key.kind() == Variant::Kind::Text) {
        auto s = d.findSelectionSet(key.toText());
        if (!s) invalidArgument(u"キーが見つかりません。");
        return makeSelectionSet(cadPtr(), s);
      }
      return makeSelectionSet(cadPtr(), sets[indexArg(key, sets.size())]);
    }
    if (m == u"ADD") {
      text::u16 name = arg(args, 0).toText();
      if (text::trim(name).empty()) invalidArgument();
      if (d.findSelectionSet(name)) invalidArgument(u"重複したレコード名です。");
      auto s = std::make_shared<SelectionSetData>();
      s->name = name;
      sets.push_back(s);
      return makeSelectionSet(cadPtr(), s);
    }
    unknownMember();
  }
};

}  // namespace

platform::ObjectPtr makeSelectionSets(std::shared_ptr<Cad> cad) {
  return std::make_shared<SelectionSetsObject>(std::move(cad));
}

platform::ObjectPtr makeSelectionSet(std::shared_ptr<Cad> cad, std::shared_ptr<SelectionSetData> data) {
  return std::make_shared<SelectionSetObject>(std::move(cad), std::move(data));
}

}  // namespace surva::sim
