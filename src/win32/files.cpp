#include "win32/files.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "text/error.h"
#include "win32/system_error.h"

namespace surva::win32 {

namespace {

[[noreturn]] void failWrite(text::u16view path, DWORD err) {
  throw Failure(u"ファイル " + text::u16(path) + u" に書き込めません．\n" + systemMessage(err));
}

[[noreturn]] void failRead(text::u16view path, DWORD err) {
  throw Failure(platform::readFailureMessage(path, systemMessage(err)));
}

struct Handle {
  HANDLE h;
  explicit Handle(HANDLE handle) : h(handle) {}
  ~Handle() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool valid() const { return h != INVALID_HANDLE_VALUE; }
  BOOL close() {
    BOOL ok = CloseHandle(h);
    h = INVALID_HANDLE_VALUE;
    return ok;
  }
};

HANDLE openForRead(text::u16view path) {
  std::wstring p = text::toWide(path);
  return CreateFileW(p.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

void readAll(Handle& file, text::u16view path, const platform::FileSystem::PieceSink& sink) {
  std::string buf(1 << 18, '\0');
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.h, buf.data(), static_cast<DWORD>(buf.size()), &got, nullptr)) failRead(path, GetLastError());
    if (got == 0) break;
    sink(std::string_view(buf.data(), got));
  }
}

}  // namespace

std::optional<std::string> Win32FileSystem::readFile(text::u16view path) {
  Handle file(openForRead(path));
  if (!file.valid()) {
    DWORD err = GetLastError();
    if (err == ERROR_FILE_NOT_FOUND || err == ERROR_PATH_NOT_FOUND) return std::nullopt;
    failRead(path, err);
  }
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.h, &size)) failRead(path, GetLastError());
  std::string data;
  data.reserve(static_cast<std::size_t>(size.QuadPart));
  readAll(file, path, [&](std::string_view piece) { data.append(piece); });
  return data;
}

void Win32FileSystem::readFileInPieces(text::u16view path, const PieceSink& sink) {
  std::wstring p = text::toWide(path);
  DWORD attributes = GetFileAttributesW(p.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    throw Failure(platform::readFailureMessage(path, platform::kFolderIsNotAFile));
  Handle file(openForRead(path));
  if (!file.valid()) failRead(path, GetLastError());
  readAll(file, path, sink);
}

void Win32FileSystem::writeFileAtomic(text::u16view path, std::string_view bytes) {
  std::wstring target = text::toWide(path);
  std::wstring temp = target + L".tmp" + std::to_wstring(GetCurrentProcessId());
  Handle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) failWrite(path, GetLastError());
  auto abandon = [&](DWORD err) {
    if (file.valid()) file.close();
    DeleteFileW(temp.c_str());
    failWrite(path, err);
  };
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file.h, bytes.data(), chunk, &written, nullptr) || written == 0) abandon(GetLastError());
    bytes.remove_prefix(written);
  }
  if (!FlushFileBuffers(file.h)) abandon(GetLastError());
  if (!file.close()) abandon(GetLastError());
  if (!MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    abandon(GetLastError());
}

bool Win32FileSystem::exists(text::u16view path) {
  std::wstring p = text::toWide(path);
  return GetFileAttributesW(p.c_str()) != INVALID_FILE_ATTRIBUTES;
}

text::u16 Win32Paths::executablePath() {
  std::vector<wchar_t> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return u"surva.exe";
    if (n < buf.size()) return text::fromWide(std::wstring_view(buf.data(), n));
    buf.resize(buf.size() * 2);  // truncated: a long path
  }
}

std::optional<text::u16> Win32Paths::shortPath(text::u16view path) {
  std::wstring p = text::toWide(path);
  DWORD n = GetShortPathNameW(p.c_str(), nullptr, 0);
  if (n == 0) return std::nullopt;
  std::vector<wchar_t> buf(n + 1);
  n = GetShortPathNameW(p.c_str(), buf.data(), static_cast<DWORD>(buf.size()));
  if (n == 0 || n >= buf.size()) return std::nullopt;
  return text::fromWide(std::wstring_view(buf.data(), n));
}

}  // namespace surva::win32
