#pragma once
// Attaching to the running CAD for one command. No reference outlives the
// command: the session is a local of the command that opens it.
#include "platform/services.h"

namespace surva::cad {

struct CadSession {
  platform::ObjectPtr application;
  platform::ObjectPtr document;
};

// All five steps: attach, restore a minimised CAD window (then 500 ms),
// bring it to the front, press Escape there when it really is in front
// (key down, 5 ms, key up, 200 ms), take the active document.
CadSession OpenCadSession(const platform::Services& services, text::u16view targetProgId);

// Steps 1 and 5 only: attach and take the active document, leaving the CAD
// window where it is and sending no key.
CadSession AttachCad(platform::Automation& automation, text::u16view targetProgId);

// The CAD's main window handle from its HWND member.
platform::WindowHandle CadWindow(platform::Object& application);

// Step 1: the running instance of the ProgID's class; fails when there is none.
platform::ObjectPtr RunningCad(platform::Automation& automation, text::u16view targetProgId);

}  // namespace surva::cad
