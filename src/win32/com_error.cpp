#include "win32/com_error.h"

#include "win32/wide.h"

namespace surva::win32 {

text::u16 systemMessage(HRESULT hr) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  text::u16 message;
  if (n && buffer) message = text::trimRight(fromWideZ(buffer));
  if (buffer) LocalFree(buffer);
  if (!message.empty()) return message;
  wchar_t code[16];
  swprintf(code, 16, L"%08lX", static_cast<unsigned long>(hr));
  return u"OLE エラー " + fromWideZ(code);
}

platform::AutomationError invokeError(HRESULT hr, EXCEPINFO& info) {
  text::u16 message;
  std::int32_t code = hr;
  if (hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    message = text::trimRight(fromBstr(info.bstrDescription));
    if (info.scode) code = info.scode;
    else if (info.wCode) code = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, info.wCode);
    if (message.empty() && code != hr) message = systemMessage(code);
  }
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  info.bstrSource = info.bstrDescription = info.bstrHelpFile = nullptr;
  if (message.empty()) message = systemMessage(hr);
  return platform::AutomationError(std::move(message), code);
}

void throwComError(HRESULT hr) { throw platform::AutomationError(systemMessage(hr), hr); }

}  // namespace surva::win32
