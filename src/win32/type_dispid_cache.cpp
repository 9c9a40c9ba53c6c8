#include "win32/type_dispid_cache.h"

#include <cstring>
#include <map>
#include <vector>

#include "win32/com_ptr.h"

namespace surva::win32::type_dispids {

namespace {

struct GuidLess {
  bool operator()(const GUID& a, const GUID& b) const { return std::memcmp(&a, &b, sizeof(GUID)) < 0; }
};

// A type information object is known by its identity (its IUnknown, kept
// alive here so that the pointer can never be reused for another object);
// a proxy for the same remote object is the same proxy while one is held.
// A server that hands out a new type information object every time gets at
// most kMaxIdentities of them remembered per GUID.
struct Cache {
  std::vector<std::pair<ComPtr<IUnknown>, std::shared_ptr<DispIdTable>>> byIdentity;
  std::map<GUID, std::pair<std::shared_ptr<DispIdTable>, int>, GuidLess> byGuid;
};
constexpr int kMaxIdentities = 16;

Cache& cache() {
  static Cache c;
  return c;
}

bool& shared() {
  static bool on = true;
  return on;
}

}  // namespace

void setShared(bool on) { shared() = on; }

std::shared_ptr<DispIdTable> tableOf(IDispatch* object) {
  if (!shared()) return nullptr;
  ComPtr<ITypeInfo> info;
  if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, info.put())) || !info) return nullptr;
  ComPtr<IUnknown> identity;
  if (FAILED(info->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.put())))) return nullptr;
  Cache& c = cache();
  for (auto& [known, table] : c.byIdentity)
    if (known.get() == identity.get()) return table;

  TYPEATTR* attr = nullptr;
  if (FAILED(info->GetTypeAttr(&attr)) || !attr) return nullptr;
  const GUID guid = attr->guid;
  info->ReleaseTypeAttr(attr);
  if (IsEqualGUID(guid, GUID_NULL)) return nullptr;  // no type to tell kinds apart by
  auto& [table, identities] = c.byGuid[guid];
  if (!table) table = std::make_shared<DispIdTable>();
  if (identities < kMaxIdentities) {
    ++identities;
    c.byIdentity.emplace_back(std::move(identity), table);
  }
  return table;
}

void clear() {
  Cache& c = cache();
  c.byIdentity.clear();
  c.byGuid.clear();
}

}  // namespace surva::win32::type_dispids
