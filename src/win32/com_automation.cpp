#include "win32/com_automation.h"

#include <windows.h>
#include <oleauto.h>

#include "win32/com_object.h"
#include "win32/com_ptr.h"
#include "win32/type_dispid_cache.h"
#include "win32/wide.h"

namespace surva::win32 {

std::optional<platform::ClassId> ComAutomation::classFromProgId(text::u16view progId) {
  text::u16 name(progId);
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(wideOf(name), &clsid))) return std::nullopt;
  wchar_t buffer[40];
  if (!StringFromGUID2(clsid, buffer, 40)) return std::nullopt;
  return fromWideZ(buffer);
}

platform::ObjectPtr ComAutomation::activeObject(const platform::ClassId& classId) {
  CLSID clsid;
  if (FAILED(CLSIDFromString(const_cast<LPOLESTR>(wideOf(classId)), &clsid))) return nullptr;
  ComPtr<IUnknown> unknown;
  if (FAILED(GetActiveObject(clsid, nullptr, unknown.put())) || !unknown) return nullptr;
  ComPtr<IDispatch> dispatch;
  if (FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.put())))) return nullptr;
  // The server found now may be another program, or another build, that
  // serves the same types under other member IDs: IDs shared by type last
  // for one attachment (the objects of an earlier one keep theirs).
  type_dispids::clear();
  return std::make_shared<ComObject>(dispatch.get());
}

}  // namespace surva::win32
