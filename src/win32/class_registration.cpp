#include "win32/class_registration.h"

#include <windows.h>

#include <utility>

#include "win32/wide.h"

namespace surva::win32 {

namespace {

HKEY classesRoot() { return runningUnderWine() ? HKEY_CLASSES_ROOT : HKEY_CURRENT_USER; }
text::u16 classesPrefix() { return runningUnderWine() ? u"" : u"Software\\Classes\\"; }

bool setDefault(HKEY root, const text::u16& path, const text::u16& value) {
  HKEY key;
  if (RegCreateKeyExW(root, wideOf(path), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  LONG r = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>((value.size() + 1) * sizeof(char16_t)));
  RegCloseKey(key);
  return r == ERROR_SUCCESS;
}

std::optional<text::u16> readDefault(HKEY root, const text::u16& path) {
  wchar_t buffer[256];
  DWORD size = sizeof(buffer);
  if (RegGetValueW(root, wideOf(path), nullptr, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return fromWideZ(buffer);
}

}  // namespace

bool runningUnderWine() {
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::optional<text::u16> registeredClassOf(text::u16view progId) {
  return readDefault(HKEY_CLASSES_ROOT, text::u16(progId) + u"\\CLSID");
}

std::optional<ClassRegistration> ClassRegistration::create(text::u16view progId, text::u16view classId,
                                                           text::u16view serverPath, text::u16& error) {
  text::u16 id(progId), clsid(classId);
  if (auto existing = registeredClassOf(id); existing && !text::equalsIgnoreAsciiCase(*existing, clsid)) {
    error = u"ProgID " + id + u" は別のクラス " + *existing + u" に登録済みです．登録しません．";
    return std::nullopt;
  }
  HKEY root = classesRoot();
  text::u16 prefix = classesPrefix();
  bool ok = setDefault(root, prefix + id, id) && setDefault(root, prefix + id + u"\\CLSID", clsid) &&
            setDefault(root, prefix + u"CLSID\\" + clsid, id) &&
            setDefault(root, prefix + u"CLSID\\" + clsid + u"\\ProgID", id) &&
            setDefault(root, prefix + u"CLSID\\" + clsid + u"\\LocalServer32", text::u16(serverPath));
  if (!ok) {
    remove(id, clsid);
    error = u"ProgID " + id + u" をレジストリに登録できません．";
    return std::nullopt;
  }
  return ClassRegistration(id, clsid);
}

void ClassRegistration::remove(text::u16view progId, text::u16view classId) {
  text::u16 id(progId), clsid(classId);
  HKEY root = classesRoot();
  text::u16 prefix = classesPrefix();
  auto existing = readDefault(root, prefix + id + u"\\CLSID");
  if (existing && !text::equalsIgnoreAsciiCase(*existing, clsid)) return;  // not ours
  RegDeleteTreeW(root, wideOf(text::u16(prefix + id)));
  RegDeleteTreeW(root, wideOf(text::u16(prefix + u"CLSID\\" + clsid)));
}

ClassRegistration::ClassRegistration(ClassRegistration&& other) noexcept
    : progId_(std::move(other.progId_)), classId_(std::move(other.classId_)), active_(other.active_) {
  other.active_ = false;
}

ClassRegistration& ClassRegistration::operator=(ClassRegistration&& other) noexcept {
  if (this != &other) {
    if (active_) remove(progId_, classId_);
    progId_ = std::move(other.progId_);
    classId_ = std::move(other.classId_);
    active_ = std::exchange(other.active_, false);
  }
  return *this;
}

ClassRegistration::~ClassRegistration() {
  if (active_) remove(progId_, classId_);
}

}  // namespace surva::win32
