#pragma once
// A late-bound automation object in another process (or this one), called
// through its IDispatch by member name.
#include <windows.h>
#include <oleauto.h>

#include <memory>
#include <unordered_map>

#include "platform/automation.h"
#include "win32/com_ptr.h"

namespace surva::win32 {

class ComObject : public platform::Object {
 public:
  // `cacheNames` false asks the server for the DISPID on every call (only
  // for measuring what the cache saves).
  explicit ComObject(IDispatch* dispatch, bool cacheNames = true);

  platform::Variant get(text::u16view member, const platform::VariantArray& args = {}) override;
  void put(text::u16view member, const platform::Variant& value) override;
  platform::Variant call(text::u16view member, const platform::VariantArray& args = {}) override;
  void sameKindResults(text::u16view member) override;

  IDispatch* dispatch() const { return dispatch_.get(); }

 private:
  // GetIDsOfNames once per member name (without regard to case): reading
  // thousands of entity properties across processes pays one round trip
  // per read instead of two.
  DISPID idOf(text::u16view member);
  platform::Variant invoke(text::u16view member, WORD flags, const platform::VariantArray& args, bool put);

  using Ids = std::unordered_map<text::u16, DISPID>;  // key: the name upper-cased
  ComPtr<IDispatch> dispatch_;
  bool cacheNames_;
  // Shared by the objects of one kind that a sameKindResults member gave.
  std::shared_ptr<Ids> ids_;
  // Per such member of this object: the table its results share.
  std::unordered_map<text::u16, std::shared_ptr<Ids>> resultIds_;
};

}  // namespace surva::win32
