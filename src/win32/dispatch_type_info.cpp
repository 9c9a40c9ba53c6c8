#include "win32/dispatch_type_info.h"

#include "win32/dispatch_names.h"

#include <map>
#include <memory>
#include <mutex>
#include <set>

namespace surva::win32::dispatch_types {

namespace {

GUID guidOf(const text::u16& name) {
  // FNV-1a over the name; the first field marks the GUIDs as ours.
  std::uint64_t h = 14695981039346656037ull;
  for (char16_t c : name) {
    h ^= static_cast<std::uint16_t>(c);
    h *= 1099511628211ull;
  }
  GUID g{};
  g.Data1 = 0x5A1D7E00u;
  g.Data2 = static_cast<WORD>(h >> 48);
  g.Data3 = static_cast<WORD>((h >> 32) & 0x0FFF) | 0x4000;
  for (int i = 0; i < 8; ++i) g.Data4[i] = static_cast<BYTE>(h >> (8 * i));
  g.Data4[0] = static_cast<BYTE>((g.Data4[0] & 0x3F) | 0x80);
  return g;
}

// Lives until the process ends: AddRef and Release count nothing.
class TypeInfo final : public ITypeInfo {
 public:
  explicit TypeInfo(const text::u16& name) : guid_(guidOf(name)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_ITypeInfo)) {
      *out = static_cast<ITypeInfo*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE GetTypeAttr(TYPEATTR** attr) override {
    if (!attr) return E_POINTER;
    ++typeAttrRequests();
    auto* a = static_cast<TYPEATTR*>(CoTaskMemAlloc(sizeof(TYPEATTR)));
    if (!a) return E_OUTOFMEMORY;
    *a = TYPEATTR{};
    a->guid = guid_;
    a->memidConstructor = MEMBERID_NIL;
    a->memidDestructor = MEMBERID_NIL;
    a->typekind = TKIND_DISPATCH;
    a->cbSizeVft = 7 * sizeof(void*);
    a->cbAlignment = 8;
    a->wTypeFlags = TYPEFLAG_FDISPATCHABLE;
    a->wMajorVerNum = 1;
    a->tdescAlias.vt = VT_EMPTY;
    *attr = a;
    return S_OK;
  }
  void STDMETHODCALLTYPE ReleaseTypeAttr(TYPEATTR* attr) override { CoTaskMemFree(attr); }

  HRESULT STDMETHODCALLTYPE GetTypeComp(ITypeComp**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetFuncDesc(UINT, FUNCDESC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetVarDesc(UINT, VARDESC**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetNames(MEMBERID, BSTR*, UINT, UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRefTypeOfImplType(UINT, HREFTYPE*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetImplTypeFlags(UINT, INT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(LPOLESTR*, UINT, MEMBERID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(PVOID, MEMBERID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDocumentation(MEMBERID, BSTR*, BSTR*, DWORD*, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetDllEntry(MEMBERID, INVOKEKIND, BSTR*, BSTR*, WORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetRefTypeInfo(HREFTYPE, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE AddressOfMember(MEMBERID, INVOKEKIND, PVOID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown*, REFIID, PVOID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMops(MEMBERID, BSTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetContainingTypeLib(ITypeLib**, UINT*) override { return E_NOTIMPL; }
  void STDMETHODCALLTYPE ReleaseFuncDesc(FUNCDESC*) override {}
  void STDMETHODCALLTYPE ReleaseVarDesc(VARDESC*) override {}

 private:
  GUID guid_;
};

struct Registry {
  std::mutex mutex;
  std::map<text::u16, std::pair<std::unique_ptr<TypeInfo>, DISPID>> types;
  std::set<std::uint32_t> taken;
  auto& entry(const text::u16& name) {
    auto it = types.find(name);
    if (it == types.end()) {
      // Stable across runs of the server, like its member IDs.
      constexpr std::uint32_t kTypeSlots = 0x7FFE;
      std::uint32_t slot = 1 + stableHash(name) % kTypeSlots;
      while (taken.count(slot)) slot = slot % kTypeSlots + 1;
      taken.insert(slot);
      const DISPID first = static_cast<DISPID>(slot) * kIdsPerType;
      it = types.emplace(name, std::make_pair(std::make_unique<TypeInfo>(name), first)).first;
    }
    return it->second;
  }
};

Registry& registry() {
  static Registry r;
  return r;
}

}  // namespace

ITypeInfo* typeInfoOf(const text::u16& typeName) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return r.entry(typeName).first.get();
}

DISPID firstIdOf(const text::u16& typeName) {
  if (typeName.empty()) return 0;
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  return r.entry(typeName).second;
}

long& typeInfoRequests() {
  static long n = 0;
  return n;
}

long& typeAttrRequests() {
  static long n = 0;
  return n;
}

}  // namespace surva::win32::dispatch_types
