#pragma once
// In-process automation: ProgIDs map to registered classes, classes to
// running instances. Tests register the stand-ins here instead of a registry.
#include <functional>
#include <map>

#include "platform/automation.h"
#include "sim/cad.h"
#include "sim/sheet_model.h"

namespace surva::sim {

class SimAutomation : public platform::Automation {
 public:
  std::optional<platform::ClassId> classFromProgId(text::u16view progId) override;
  platform::ObjectPtr activeObject(const platform::ClassId& classId) override;

  // Registers a ProgID (without regard to case, as the registry) for a class.
  void registerClass(text::u16view progId, platform::ClassId classId);
  void unregisterClass(text::u16view progId);
  // A running instance of the class; stop() ends it.
  void start(const platform::ClassId& classId, platform::ObjectPtr instance);
  void stop(const platform::ClassId& classId);

  // Registers `progId` with a made-up class id and starts the CAD's
  // application object under it; returns the class id.
  platform::ClassId registerCad(text::u16view progId, std::shared_ptr<Cad> cad);
  // The same for the stand-in spreadsheet's application object.
  platform::ClassId registerSheet(text::u16view progId, std::shared_ptr<Spreadsheet> sheet);

  int classLookups = 0;
  int activeLookups = 0;

 private:
  std::map<text::u16, platform::ClassId> classes_;  // upper-cased ProgID
  std::map<platform::ClassId, platform::ObjectPtr> running_;
  int nextId_ = 1;
};

}  // namespace surva::sim
