#pragma once
// The OLE message filter of the CAD link is registered for the whole run:
// while an automation call waits it keeps window messages from being
// dispatched and retries calls that CAD rejects because it is busy. The
// Windows backend supplies the real registration; tests record the calls.
namespace surva::app {

class MessageFilterRegistration {
 public:
  virtual ~MessageFilterRegistration() = default;
  virtual void registerFilter() = 0;
  virtual void revokeFilter() = 0;
};

}  // namespace surva::app
