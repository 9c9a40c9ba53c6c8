#pragma once
// A late-bound automation object in another process (or this one), called
// through its IDispatch by member name.
#include <windows.h>
#include <oleauto.h>

#include <memory>

#include "platform/automation.h"
#include "win32/com_ptr.h"
#include "win32/type_dispid_cache.h"

namespace surva::win32 {

class ComObject : public platform::Object {
 public:
  // `cacheNames` false asks the server for the DISPID on every call (only
  // for measuring what the cache saves).
  explicit ComObject(IDispatch* dispatch, bool cacheNames = true);

  platform::Variant get(text::u16view member, const platform::VariantArray& args = {}) override;
  void put(text::u16view member, const platform::Variant& value) override;
  platform::Variant call(text::u16view member, const platform::VariantArray& args = {}) override;

  IDispatch* dispatch() const { return dispatch_.get(); }

 private:
  // GetIDsOfNames once per member name (without regard to case) and type:
  // reading thousands of entity properties across processes pays one round
  // trip per read instead of two, and one per entity for its type.
  DISPID idOf(text::u16view member);
  platform::Variant invoke(text::u16view member, WORD flags, const platform::VariantArray& args, bool put,
                           bool mayRetry = true);

  ComPtr<IDispatch> dispatch_;
  bool cacheNames_;
  bool typeAsked_ = false;
  std::shared_ptr<DispIdTable> typeIds_;  // shared with the objects of its type
  DispIdTable ids_;                       // when the server gives no type
};

}  // namespace surva::win32
