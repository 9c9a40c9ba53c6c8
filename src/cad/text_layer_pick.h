#pragma once
// "画層取得": the layer of a single-line TEXT the user picks in the CAD.
#include <optional>

#include "cad/hand_over.h"
#include "platform/services.h"

namespace surva::cad {

inline constexpr char16_t kTextLayerPrompt[] = u"画層名を参照する TEXT を選択 : ";
inline constexpr char16_t kNotAText[] = u"TEXT ではありません.";

// The picked text's layer; nullopt when the CAD is not running, the pick was
// cancelled or failed, or the entity is not a TEXT (which is said in a
// confirmation dialog). Grid snap is off during the pick and restored after
// it, as a 32-bit integer or, when the CAD refuses that, a 16-bit one.
std::optional<text::u16> PickTextLayer(const platform::Services& services, text::u16view targetProgId,
                                       MainWindowState& window);

}  // namespace surva::cad
