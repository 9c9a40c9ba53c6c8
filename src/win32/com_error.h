#pragma once
// Automation failures as platform::AutomationError with the error's own text.
#include <windows.h>
#include <oleauto.h>

#include "platform/automation.h"

namespace surva::win32 {

// The error of a failed Invoke: the exception's description when the server
// raised one, else the system's message for the code. Frees the EXCEPINFO
// strings.
platform::AutomationError invokeError(HRESULT hr, EXCEPINFO& info);

[[noreturn]] void throwComError(HRESULT hr);

}  // namespace surva::win32
