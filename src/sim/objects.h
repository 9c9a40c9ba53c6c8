#pragma once
// The stand-in's automation object model, as platform::Object handles:
// Application -> ActiveDocument -> ModelSpace / Layers / SelectionSets /
// Utility, entities and their members. Member names match without regard
// to case; get and call are interchangeable as with IDispatch; failures are
// platform::AutomationError with the CAD's code.
#include <memory>

#include "platform/automation.h"
#include "sim/cad.h"

namespace surva::sim {

platform::ObjectPtr makeApplication(std::shared_ptr<Cad> cad);
platform::ObjectPtr makeDocument(std::shared_ptr<Cad> cad);
platform::ObjectPtr makeEntityObject(std::shared_ptr<Cad> cad, text::u16 handle);
platform::ObjectPtr makeModelSpace(std::shared_ptr<Cad> cad);
platform::ObjectPtr makeLayers(std::shared_ptr<Cad> cad);
platform::ObjectPtr makeLayerObject(std::shared_ptr<Cad> cad, text::u16 name);
platform::ObjectPtr makeSelectionSets(std::shared_ptr<Cad> cad);
platform::ObjectPtr makeSelectionSet(std::shared_ptr<Cad> cad, std::shared_ptr<SelectionSetData> data);
platform::ObjectPtr makeUtility(std::shared_ptr<Cad> cad);
platform::ObjectPtr makeState(std::shared_ptr<Cad> cad, bool quiescent);

}  // namespace surva::sim
