#include "sim/sim_automation.h"

#include <cstdio>

#include "sim/objects.h"
#include "sim/sheet_objects.h"

namespace surva::sim {

std::optional<platform::ClassId> SimAutomation::classFromProgId(text::u16view progId) {
  ++classLookups;
  auto it = classes_.find(text::upperAscii(progId));
  if (it == classes_.end()) return std::nullopt;
  return it->second;
}

platform::ObjectPtr SimAutomation::activeObject(const platform::ClassId& classId) {
  ++activeLookups;
  auto it = running_.find(classId);
  return it == running_.end() ? nullptr : it->second;
}

void SimAutomation::registerClass(text::u16view progId, platform::ClassId classId) {
  classes_[text::upperAscii(progId)] = std::move(classId);
}

void SimAutomation::unregisterClass(text::u16view progId) { classes_.erase(text::upperAscii(progId)); }

void SimAutomation::start(const platform::ClassId& classId, platform::ObjectPtr instance) {
  running_[classId] = std::move(instance);
}

void SimAutomation::stop(const platform::ClassId& classId) { running_.erase(classId); }

platform::ClassId SimAutomation::registerCad(text::u16view progId, std::shared_ptr<Cad> cad) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "{5EC0CAD0-0000-4000-8000-%012X}", nextId_++);
  platform::ClassId id = text::ascii(buf);
  registerClass(progId, id);
  start(id, makeApplication(std::move(cad)));
  return id;
}

platform::ClassId SimAutomation::registerSheet(text::u16view progId, std::shared_ptr<Spreadsheet> sheet) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "{5EC05EE7-0000-4000-8000-%012X}", nextId_++);
  platform::ClassId id = text::ascii(buf);
  registerClass(progId, id);
  start(id, makeSheetApplication(std::move(sheet)));
  return id;
}

}  // namespace surva::sim
