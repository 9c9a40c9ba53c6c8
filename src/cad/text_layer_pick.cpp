#include "cad/text_layer_pick.h"

#include "cad/cad_session.h"
#include "cad/target_check.h"
#include "platform/confirm.h"

namespace surva::cad {

using platform::Variant;

namespace {

constexpr char16_t kSnapMode[] = u"SNAPMODE";

// Errors of the pick are passed over: Esc, a click on nothing, a CAD fault.
std::optional<text::u16> pickedLayer(const platform::Services& services, platform::Object& document) {
  try {
    Variant entity = Variant::ref(), point = Variant::ref();
    platform::ObjectPtr utility = document.get(u"Utility").toObject();
    utility->call(u"GetEntity", {entity, point, Variant(text::u16(kTextLayerPrompt))});
    platform::ObjectPtr picked = entity.deref().toObject();
    if (picked->get(u"EntityName").toText() == u"AcDbText") return picked->get(u"Layer").toText();
    platform::confirm(*services.dialogs, kNotAText);
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

}  // namespace

std::optional<text::u16> PickTextLayer(const platform::Services& services, text::u16view targetProgId,
                                       MainWindowState& window) {
  if (!CheckTargetProgID(*services.automation, *services.dialogs, targetProgId)) return std::nullopt;
  const CadSession session = OpenCadSession(services, targetProgId);
  HandOverScope handOver(window, *services.clock);
  const std::int32_t snap = session.document->call(u"GetVariable", {Variant(kSnapMode)}).toInt();
  session.document->call(u"SetVariable", {Variant(kSnapMode), Variant(std::int32_t(0))});

  std::optional<text::u16> layer = pickedLayer(services, *session.document);

  try {
    session.document->call(u"SetVariable", {Variant(kSnapMode), Variant(snap)});
  } catch (const std::exception&) {
    session.document->call(u"SetVariable", {Variant(kSnapMode), Variant(static_cast<std::int16_t>(snap))});
  }
  handOver.takeBack();
  return layer;
}

}  // namespace surva::cad
