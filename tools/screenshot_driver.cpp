// Drives a running surva.exe for scripts/screenshots.sh: shows a tab or
// the version dialog and prints the rectangle of the window to capture as
// "x y width height" (screen pixels).
//
//   screenshot_driver wait          main window appeared
//   screenshot_driver tab N         page N (0-5) shown
//   screenshot_driver about         version dialog opened (from the list's menu)
//   screenshot_driver close-about   version dialog closed
//   screenshot_driver target-cad    target CAD list dialog opened ("編集")
//   screenshot_driver close-target  target CAD list dialog closed
//   screenshot_driver close         main window closed
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND waitFor(const wchar_t* cls, int ms = 15000) {
  for (int t = 0; t < ms; t += 50) {
    if (HWND w = FindWindowW(cls, nullptr); w && IsWindowVisible(w)) return w;
    Sleep(50);
  }
  return nullptr;
}

void printRect(HWND w) {
  RECT r;
  GetWindowRect(w, &r);
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  std::fflush(stdout);
}

HWND childOfClass(HWND top, const wchar_t* cls) {
  struct Ctx {
    const wchar_t* cls;
    HWND found;
  } ctx{cls, nullptr};
  EnumChildWindows(
      top,
      [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        wchar_t name[64];
        GetClassNameW(w, name, 64);
        if (_wcsicmp(name, c->cls) == 0) {
          c->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

void key(BYTE vk) {
  keybd_event(vk, 0, 0, 0);
  keybd_event(vk, 0, KEYEVENTF_KEYUP, 0);
  Sleep(50);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string cmd = argv[1];
  HWND top = waitFor(L"TForm1");
  if (!top) {
    std::fprintf(stderr, "no main window\n");
    return 1;
  }
  DWORD_PTR ignored;
  if (cmd == "wait") {
    Sleep(300);
  } else if (cmd == "tab" && argc > 2) {
    HWND tabs = childOfClass(top, L"SysTabControl32");
    if (!tabs) return 1;
    SendMessageTimeoutW(tabs, 0x1330 /* TCM_SETCURFOCUS */, std::atoi(argv[2]), 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    RedrawWindow(top, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  } else if (cmd == "about") {
    // The last item of the main list's pop-up menu is the version dialog.
    HWND tabs = childOfClass(top, L"SysTabControl32");
    SendMessageTimeoutW(tabs, 0x1330, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    HWND grid = childOfClass(top, L"SurvaStringGrid");
    if (!grid) return 1;
    SetForegroundWindow(top);
    RECT r;
    GetWindowRect(grid, &r);
    PostMessageW(grid, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(grid), MAKELPARAM(r.left + 40, r.top + 40));
    Sleep(500);
    // "バージョン情報" is the eleventh item; items added later follow it.
    for (int i = 0; i < 11; ++i) key(VK_DOWN);
    key(VK_RETURN);
    HWND about = waitFor(L"TAboutBox", 5000);
    if (!about) return 1;
    top = about;
    Sleep(300);
  } else if (cmd == "close-about") {
    HWND about = FindWindowW(L"TAboutBox", nullptr);
    if (about) PostMessageW(about, WM_CLOSE, 0, 0);
    Sleep(200);
  } else if (cmd == "target-cad") {
    HWND tabs = childOfClass(top, L"SysTabControl32");
    SendMessageTimeoutW(tabs, 0x1330, 1, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    HWND edit = nullptr;
    EnumChildWindows(
        top,
        [](HWND w, LPARAM lp) -> BOOL {
          wchar_t text[16];
          GetWindowTextW(w, text, 16);
          if (wcscmp(text, L"編集") == 0) {
            *reinterpret_cast<HWND*>(lp) = w;
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&edit));
    if (!edit) return 1;
    PostMessageW(edit, BM_CLICK, 0, 0);  // the dialog's modal loop runs inside the click
    HWND dialog = waitFor(L"TTargetCADForm", 5000);
    if (!dialog) return 1;
    top = dialog;
    Sleep(300);
  } else if (cmd == "close-target") {
    HWND dialog = FindWindowW(L"TTargetCADForm", nullptr);
    if (dialog) PostMessageW(dialog, WM_CLOSE, 0, 0);
    Sleep(200);
  } else if (cmd == "close") {
    PostMessageW(top, WM_CLOSE, 0, 0);
    return 0;
  } else {
    return 2;
  }
  printRect(top);
  return 0;
}
