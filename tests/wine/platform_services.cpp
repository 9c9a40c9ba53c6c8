// The Windows platform services in a real (Wine) system: the ANSI code page
// under a Japanese locale, atomic file replacement, the clipboard, paths.
#include "e2e.h"
#include "text/error.h"
#include "win32/services.h"

using surva::text::u16;

namespace {

void codePage(const surva::win32::AnsiCodePage& codec) {
  E2E_CHECK_EQ(GetACP(), 932u);  // LC_ALL=ja_JP.UTF-8 gives Shift_JIS
  auto r = codec.encode(u"測点A-1");
  E2E_CHECK(r.complete());
  E2E_CHECK(r.bytes == std::string("\x91\xaa\x93\x5f" "A-1"));
  E2E_CHECK(codec.decode(r.bytes) == u"測点A-1");

  // A character Shift_JIS cannot hold is reported at its code unit index
  // and written as "?", never as a best-fit look-alike.
  auto bad = codec.encode(u"ab\u00e9c\u00e9");
  E2E_CHECK_EQ(bad.firstUnmappable, std::size_t{2});
  E2E_CHECK(bad.bytes == "ab?c?");
  auto pair = codec.encode(u"x\U0001F600y");  // a surrogate pair is one character
  E2E_CHECK_EQ(pair.firstUnmappable, std::size_t{1});
  E2E_CHECK(pair.bytes == "x?y");
  E2E_CHECK(codec.canEncode(u"\u2460"));

  // An undefined byte and a lone lead byte at the end decode as U+FFFD;
  // the neighbours survive.
  E2E_CHECK(codec.decode(std::string("A\xa0" "B")) == u"A\uFFFDB" ||
            codec.decode(std::string("A\xa0" "B")) == u"A\uF8F0B");  // Windows maps 0xA0 to PUA
  E2E_CHECK(codec.decode(std::string("A\x91")) == u"A\uFFFD");
  E2E_CHECK(codec.decode("") == u"");

  // UTF-8 as the system code page holds every character; only a lone
  // surrogate is unmappable.
  surva::win32::AnsiCodePage utf8(CP_UTF8);
  auto all = utf8.encode(u"測点\u00A5\U0001F600");
  E2E_CHECK(all.complete());
  E2E_CHECK(all.bytes == "\xE6\xB8\xAC\xE7\x82\xB9\xC2\xA5\xF0\x9F\x98\x80");
  E2E_CHECK(utf8.decode(all.bytes) == u"測点\u00A5\U0001F600");
  auto lone = utf8.encode(u16{u'a', char16_t(0xD800), u'b'});
  E2E_CHECK_EQ(lone.firstUnmappable, std::size_t{1});
  E2E_CHECK(lone.bytes == "a?b");
}

int countFiles(const std::wstring& dir) {
  int count = 0;
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++count;
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  return count;
}

void files(surva::win32::Win32FileSystem& fs) {
  std::wstring dir = e2e::freshFolder(L"services");
  u16 path = surva::text::fromWide(dir + L"設定.ini");
  E2E_CHECK(!fs.readFile(path).has_value());
  E2E_CHECK(!fs.exists(path));
  fs.writeFileAtomic(path, "first\r\n");
  E2E_CHECK(fs.exists(path));
  fs.writeFileAtomic(path, "second\r\n");
  E2E_CHECK(fs.readFile(path) == std::optional<std::string>("second\r\n"));
  fs.writeFileAtomic(path, "");
  E2E_CHECK(fs.readFile(path) == std::optional<std::string>(""));

  // No temporary file is left beside the target.
  E2E_CHECK_EQ(countFiles(dir), 1);

  // A folder that does not exist: the message names the file, the old
  // file elsewhere is untouched.
  u16 missing = surva::text::fromWide(dir + L"no-such-folder\\x.txt");
  bool threw = false;
  try {
    fs.writeFileAtomic(missing, "x");
  } catch (const surva::Failure& f) {
    threw = true;
    E2E_CHECK(f.message().find(missing) != u16::npos);
    E2E_CHECK(f.message().size() > missing.size() + 12);  // the system's reason follows
  }
  E2E_CHECK(threw);

  // A target held open elsewhere without sharing cannot be replaced: the
  // write fails with a message and the previous content survives, with no
  // temporary file left behind.
  fs.writeFileAtomic(path, "content\r\n");
  HANDLE lock = CreateFileW((dir + L"設定.ini").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  E2E_CHECK(lock != INVALID_HANDLE_VALUE);
  threw = false;
  try {
    fs.writeFileAtomic(path, "new\r\n");
  } catch (const surva::Failure& f) {
    threw = true;
    E2E_CHECK(f.message().find(path) != u16::npos);
  }
  CloseHandle(lock);
  E2E_CHECK(threw);
  E2E_CHECK(fs.readFile(path) == std::optional<std::string>("content\r\n"));
  E2E_CHECK_EQ(countFiles(dir), 1);
}

void clipboard(surva::win32::Win32Clipboard& cb) {
  cb.setText(u"測点\tX\r\nA-1\t1.5\r\n");
  E2E_CHECK(cb.getText() == u"測点\tX\r\nA-1\t1.5\r\n");
  cb.setText(u"");
  E2E_CHECK(cb.getText() == u"");
  // Held open by another program: a Failure with a message, not a hang.
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, L"SurvaE2EClipboardHeld");
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, L"SurvaE2EClipboardRelease");
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  e2e::Process holder = e2e::startProgram(self, L"hold-clipboard");
  E2E_REQUIRE(WaitForSingleObject(held, 10000) == WAIT_OBJECT_0);
  bool threw = false;
  try {
    cb.getText();
  } catch (const surva::Failure& f) {
    threw = true;
    E2E_CHECK(f.message().find(u"クリップボード") != u16::npos);
  }
  E2E_CHECK(threw);
  SetEvent(release);
  E2E_CHECK(holder.wait().has_value());
  E2E_CHECK(cb.getText() == u"");
  CloseHandle(held);
  CloseHandle(release);
}

// The helper process: holds the clipboard open until told to let go.
int holdClipboard() {
  HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"SurvaE2EClipboardHeld");
  HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, L"SurvaE2EClipboardRelease");
  // With a window: Wine lets two openers that both pass no window share it.
  HWND w = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  if (!held || !release || !OpenClipboard(w)) return 2;
  SetEvent(held);
  WaitForSingleObject(release, 20000);
  CloseClipboard();
  return 0;
}

void paths(surva::win32::Win32Paths& p) {
  u16 exe = p.executablePath();
  E2E_CHECK(exe.size() > 4 && exe.substr(exe.size() - 4) == u".exe");
  auto shortExe = p.shortPath(exe);
  E2E_CHECK(shortExe.has_value());
  E2E_CHECK(!p.shortPath(u"C:\\no\\such\\file.txt").has_value());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "hold-clipboard") return holdClipboard();
  return e2e::run([] {
    auto services = surva::win32::makeServices();
    auto bundle = services->bundle();
    E2E_CHECK(bundle.codec && bundle.files && bundle.clipboard && bundle.dialogs && bundle.windows);
    E2E_CHECK(bundle.automation == nullptr);
    codePage(services->codec);
    files(services->files);
    clipboard(services->clipboard);
    paths(services->paths);
    E2E_CHECK(services->screen.primarySize().width > 0);
    E2E_CHECK(services->windows.findWindow(u"NoSuchClass.Surva", u"") == 0);
  });
}
