#pragma once
// Layer names as the CAD accepts them on insert.
#include <optional>

#include "text/u16.h"

namespace surva::dxf {

// An empty layer box means layer "0"; an empty 8 group would not load.
text::u16 layerOrDefault(text::u16view box);

// The first character of the name that the CAD refuses in a layer name
// (< > / \ " : ; ? * | , = `), or nullopt when there is none.
std::optional<char16_t> forbiddenLayerCharacter(text::u16view name);

// The confirmation message for a layer box whose name the CAD refuses;
// `label` is the box's label in the group "作成画層".
text::u16 badLayerMessage(text::u16view label, text::u16view name);

}  // namespace surva::dxf
