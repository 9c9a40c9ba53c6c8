#pragma once
// Class lookup and the running object table of the system.
#include "platform/automation.h"

namespace surva::win32 {

// Needs COM initialised on the calling thread (ComApartment).
class ComAutomation : public platform::Automation {
 public:
  std::optional<platform::ClassId> classFromProgId(text::u16view progId) override;
  platform::ObjectPtr activeObject(const platform::ClassId& classId) override;
};

}  // namespace surva::win32
