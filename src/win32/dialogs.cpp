#include "win32/dialogs.h"

#include <cderr.h>
#include <commdlg.h>

#include <vector>

#include "text/error.h"
#include "win32/system_error.h"

namespace surva::win32 {

std::wstring fileFilter(text::u16view filter) {
  std::wstring out = text::toWide(filter);
  for (auto& c : out)
    if (c == L'|') c = L'\0';
  // An odd number of parts would leave a description without a pattern.
  out.push_back(L'\0');
  out.push_back(L'\0');
  return out;
}

platform::Answer Win32Dialogs::messageBox(text::u16view message, text::u16view caption, platform::Icon icon,
                                          platform::Buttons buttons) {
  UINT flags = MB_TASKMODAL;
  switch (icon) {
    case platform::Icon::None: break;
    case platform::Icon::Error: flags |= MB_ICONERROR; break;
    case platform::Icon::Warning: flags |= MB_ICONWARNING; break;
    case platform::Icon::Information: flags |= MB_ICONINFORMATION; break;
    case platform::Icon::Question: flags |= MB_ICONQUESTION; break;
  }
  switch (buttons) {
    case platform::Buttons::Ok: flags |= MB_OK; break;
    case platform::Buttons::OkCancel: flags |= MB_OKCANCEL; break;
    case platform::Buttons::YesNo: flags |= MB_YESNO; break;
    case platform::Buttons::YesNoCancel: flags |= MB_YESNOCANCEL; break;
  }
  // The main window stays on top of everything; a box must come above it.
  if (owner_ && (GetWindowLongW(owner_, GWL_EXSTYLE) & WS_EX_TOPMOST)) flags |= MB_TOPMOST;
  std::wstring m = text::toWide(message), c = text::toWide(caption);
  switch (MessageBoxW(owner_, m.c_str(), c.c_str(), flags)) {
    case IDYES: return platform::Answer::Yes;
    case IDNO: return platform::Answer::No;
    case IDCANCEL: return platform::Answer::Cancel;
    default:
      // A box without Cancel closed by Escape or its close button answers
      // as its safe button.
      return buttons == platform::Buttons::YesNo ? platform::Answer::No : platform::Answer::Ok;
  }
}

std::optional<text::u16> Win32Dialogs::fileDialog(const platform::FileDialogRequest& request, bool save) {
  std::wstring filter = fileFilter(request.filter);
  std::wstring ext = text::toWide(request.defaultExtension);
  while (!ext.empty() && ext.front() == L'.') ext.erase(ext.begin());
  std::vector<wchar_t> name(32768, L'\0');
  std::wstring initial = text::toWide(request.initialName);
  if (initial.size() < name.size()) initial.copy(name.data(), initial.size());

  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner_;
  ofn.lpstrFilter = request.filter.empty() ? nullptr : filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrDefExt = ext.empty() ? nullptr : ext.c_str();
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  // A save never prompts for an existing file here: the command asks its
  // own question, and two questions in a row would confuse.
  if (!save) ofn.Flags |= OFN_FILEMUSTEXIST;
  BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!ok) {
    DWORD err = CommDlgExtendedError();
    if (err == 0) return std::nullopt;  // cancelled
    if (err == FNERR_BUFFERTOOSMALL) throw Failure(u"ファイル名が長すぎます");
    throw Failure(u"ファイルダイアログを開けません (" + text::intToText(err) + u")");
  }
  return text::fromWide(name.data());
}

std::optional<text::u16> Win32Dialogs::openFile(const platform::FileDialogRequest& request) {
  return fileDialog(request, false);
}

std::optional<text::u16> Win32Dialogs::saveFile(const platform::FileDialogRequest& request) {
  return fileDialog(request, true);
}

namespace {

// Another program may hold the clipboard for a moment; try a few times.
bool openClipboard(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(10);
  }
  return false;
}

[[noreturn]] void clipboardFailure() {
  throw Failure(u"クリップボードを開けません．\n" + systemMessage(GetLastError()));
}

struct ClipboardCloser {
  ~ClipboardCloser() { CloseClipboard(); }
};

}  // namespace

text::u16 Win32Clipboard::getText() {
  if (!openClipboard(owner_)) clipboardFailure();
  ClipboardCloser closer;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return {};
  const wchar_t* p = static_cast<const wchar_t*>(GlobalLock(data));
  if (!p) return {};
  // Never read past the block, even when the text lacks its NUL.
  std::size_t max = GlobalSize(data) / sizeof(wchar_t);
  std::size_t n = 0;
  while (n < max && p[n]) ++n;
  text::u16 result(reinterpret_cast<const char16_t*>(p), n);
  GlobalUnlock(data);
  return result;
}

void Win32Clipboard::setText(text::u16view text) {
  std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!block) throw Failure(u"クリップボードにコピーできません (メモリ不足)");
  auto* p = static_cast<char16_t*>(GlobalLock(block));
  text.copy(p, text.size());
  p[text.size()] = 0;
  GlobalUnlock(block);
  if (!openClipboard(owner_)) {
    GlobalFree(block);
    clipboardFailure();
  }
  ClipboardCloser closer;
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, block)) {
    DWORD err = GetLastError();
    GlobalFree(block);
    throw Failure(u"クリップボードにコピーできません．\n" + systemMessage(err));
  }
}

platform::Size Win32Screen::primarySize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32Screen::showsPartOf(int left, int top, platform::Size size) {
  RECT r{left, top, left + size.width, top + size.height};
  return MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace surva::win32
