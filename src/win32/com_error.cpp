#include "win32/com_error.h"

#include "win32/system_error.h"
#include "win32/wide.h"

namespace surva::win32 {

platform::AutomationError invokeError(HRESULT hr, EXCEPINFO& info) {
  text::u16 message;
  std::int32_t code = hr;
  if (hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    message = text::trimRight(fromBstr(info.bstrDescription));
    if (info.scode) code = info.scode;
    else if (info.wCode) code = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, info.wCode);
    if (message.empty() && code != hr) message = systemMessage(static_cast<std::uint32_t>(code));
  }
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  info.bstrSource = info.bstrDescription = info.bstrHelpFile = nullptr;
  if (message.empty()) message = systemMessage(static_cast<std::uint32_t>(hr));
  return platform::AutomationError(std::move(message), code);
}

void throwComError(HRESULT hr) { throw platform::AutomationError(systemMessage(static_cast<std::uint32_t>(hr)), hr); }

}  // namespace surva::win32
