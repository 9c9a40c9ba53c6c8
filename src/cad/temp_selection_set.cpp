#include "cad/temp_selection_set.h"

namespace surva::cad {

using platform::Variant;

platform::ObjectPtr GetTempSelectionSet(platform::Object& document) {
  auto sets = document.get(u"SelectionSets").toObject();
  std::int32_t count = sets->get(u"Count").toInt();
  for (std::int32_t i = 0; i < count; ++i) {
    auto set = sets->call(u"Item", {Variant(i)}).toObject();
    if (set->get(u"Name").toText() == kTempSelectionSetName) {
      set->call(u"Clear");
      return set;
    }
  }
  return sets->call(u"Add", {Variant(kTempSelectionSetName)}).toObject();
}

}  // namespace surva::cad
