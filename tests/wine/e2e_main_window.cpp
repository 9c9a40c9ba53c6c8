// The real main window under Wine: its frame, every caption against the
// layout table, the enabling rules, the right-button toggle, typing into
// the main list and closing.
#include <map>

#include "app/main_form_layout.h"
#include "e2e.h"

#include <commctrl.h>

namespace {

using surva::ui::ControlSpec;
using surva::ui::Kind;

std::wstring wide(const char16_t* s) { return s ? std::wstring(s, s + std::char_traits<char16_t>::length(s)) : L""; }

// Where a control of the layout lands in the window's client area (96 DPI).
RECT expectedRect(const ControlSpec& entry, const std::map<std::wstring, const ControlSpec*>& byName) {
  RECT r{entry.bounds.left, entry.bounds.top, entry.bounds.left + entry.bounds.width, entry.bounds.top + entry.bounds.height};
  for (const char16_t* p = entry.parent; p;) {
    const ControlSpec* parent = byName.at(wide(p));
    OffsetRect(&r, parent->bounds.left, parent->bounds.top);
    p = parent->parent;
  }
  return r;
}

const wchar_t* windowClassFor(Kind k) {
  switch (k) {
    case Kind::Button:
    case Kind::SpeedButton:
    case Kind::CheckBox:
    case Kind::GroupBox: return L"Button";
    case Kind::Label: return L"Static";
    default: return nullptr;
  }
}

std::string rectText(const RECT& r) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "(%ld,%ld %ldx%ld)", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return buf;
}

// Every button, check box, group box and label of the layout is a window
// with its caption at its place.
void captionsMatchLayout(HWND top) {
  auto kids = e2e::children(top);
  std::map<std::wstring, const ControlSpec*> byName;
  for (const auto& entry : surva::app::mainFormLayout()) byName[wide(entry.name)] = &entry;
  int checkedCount = 0;
  for (const auto& entry : surva::app::mainFormLayout()) {
    const wchar_t* cls = windowClassFor(entry.kind);
    std::wstring caption = wide(entry.text);
    if (!cls || caption.empty()) continue;
    // The caption rule has run at start: the INT option is on.
    if (wide(entry.name) == L"Button12") caption = L"ID (INT)";
    RECT want = expectedRect(entry, byName);
    bool captionFound = false, placed = false;
    RECT seen{};
    for (const auto& c : kids) {
      if (_wcsicmp(c.className.c_str(), cls) != 0 || c.text != caption) continue;
      captionFound = true;
      seen = c.rect;
      if (EqualRect(&c.rect, &want)) placed = true;
    }
    ++checkedCount;
    e2e::report(captionFound, __FILE__, __LINE__, e2e::narrow(wide(entry.name)) + " caption " + e2e::show(caption));
    if (captionFound)
      e2e::report(placed, __FILE__, __LINE__,
                  e2e::narrow(wide(entry.name)) + " at " + rectText(seen) + ", layout " + rectText(want));
  }
  E2E_CHECK(checkedCount > 60);
}

struct Controls {
  HWND checkBox21, checkBox5, checkBox7, checkBox28, checkBox16, button12;
};

void enablingRule(const Controls& c) {
  // PLINE off at start: its options are disabled and keep their checks.
  E2E_CHECK(!e2e::checked(c.checkBox21));
  E2E_CHECK(!e2e::enabled(c.checkBox5) && !e2e::enabled(c.checkBox7) && !e2e::enabled(c.checkBox28));
  // The checks as start-up left them (the settings decide) are kept
  // through enabling and disabling.
  bool five = e2e::checked(c.checkBox5), seven = e2e::checked(c.checkBox7), d3 = e2e::checked(c.checkBox28);
  e2e::click(c.checkBox21);
  E2E_CHECK(e2e::checked(c.checkBox21));
  E2E_CHECK(e2e::enabled(c.checkBox5) && e2e::enabled(c.checkBox7) && e2e::enabled(c.checkBox28));
  E2E_CHECK(e2e::checked(c.checkBox5) == five && e2e::checked(c.checkBox7) == seven &&
            e2e::checked(c.checkBox28) == d3);
  e2e::click(c.checkBox21);
  E2E_CHECK(!e2e::checked(c.checkBox21));
  E2E_CHECK(!e2e::enabled(c.checkBox5) && !e2e::enabled(c.checkBox7) && !e2e::enabled(c.checkBox28));
  e2e::click(c.checkBox7);  // a disabled check box takes no click
  E2E_CHECK(e2e::checked(c.checkBox5) == five && e2e::checked(c.checkBox7) == seven &&
            e2e::checked(c.checkBox28) == d3);
}

// Sent, not posted: the target has handled the press when this returns
// (a posted message may still wait behind a sent one).
void rightClick(HWND w) {
  e2e::send(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  e2e::send(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
}

void rightButtonToggle(const Controls& c, DWORD pid) {
  E2E_CHECK(e2e::checked(c.checkBox16));
  rightClick(c.button12);
  E2E_CHECK_EQ(e2e::text(c.button12), std::wstring(L"ID"));
  E2E_CHECK(!e2e::checked(c.checkBox16));
  rightClick(c.button12);
  E2E_CHECK_EQ(e2e::text(c.button12), std::wstring(L"ID (INT)"));
  E2E_CHECK(e2e::checked(c.checkBox16));
  // Point picking never started: no message box or other window opened.
  HWND other = e2e::waitForProcessWindow(
      pid, [](HWND w) { return e2e::className(w) != L"TForm1" && e2e::className(w) != L"tooltips_class32"; }, 300);
  E2E_CHECK(other == nullptr);
}

void clickCell(HWND grid, int col, int row) {
  // Column width 71 and row height 19 in the layout; the header is row 0.
  LPARAM at = MAKELPARAM(col * 71 + 30, row * 19 + 9);
  e2e::send(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  e2e::send(grid, WM_LBUTTONUP, 0, at);
}

// Keyboard input arrives through the input queue: wait for its effect.
#define E2E_SOON(cond) E2E_CHECK(e2e::waitUntil([&] { return static_cast<bool>(cond); }, 3000))

void typeSlowly(HWND grid, const std::string& s) {
  using surva::win32::kGridInfoEditing;
  for (std::size_t i = 0; i < s.size(); ++i) {
    e2e::typeAscii(s.substr(i, 1));
    // The first character opens the editor, which then has the focus.
    if (i == 0) E2E_SOON(e2e::gridInfo(grid, kGridInfoEditing) == 1);
    Sleep(30);
  }
}

void typingIntoTheList(HWND top) {
  auto grids = e2e::grids(top);
  E2E_REQUIRE(grids.size() == 4);
  HWND list = grids[0];
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoColCount), 5LL);
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoRowCount), 5LL);
  E2E_REQUIRE(e2e::bringToFront(top));

  clickCell(list, 0, 2);
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoRow), 2LL);
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoCol), 0LL);
  typeSlowly(list, "A-1");
  e2e::press(VK_RETURN);
  E2E_SOON(e2e::gridInfo(list, surva::win32::kGridInfoEditing) == 0);
  E2E_CHECK_EQ(e2e::gridCell(list, 0, 2), std::wstring(L"A-1"));

  // Arrow to the X column and type a coordinate; Tab moves on one cell.
  e2e::press(VK_RIGHT);
  E2E_SOON(e2e::gridInfo(list, surva::win32::kGridInfoCol) == 1);
  typeSlowly(list, "-123.456");
  e2e::press(VK_TAB);
  E2E_SOON(e2e::gridInfo(list, surva::win32::kGridInfoCol) == 2);
  E2E_CHECK_EQ(e2e::gridCell(list, 1, 2), std::wstring(L"-123.456"));
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoEditing), 0LL);

  // Escape drops an edit.
  typeSlowly(list, "9");
  e2e::press(VK_ESCAPE);
  E2E_SOON(e2e::gridInfo(list, surva::win32::kGridInfoEditing) == 0);
  E2E_CHECK_EQ(e2e::gridCell(list, 2, 2), std::wstring(L""));
  // The probe with column -1 reads the current cell; other cells stay empty.
  e2e::press(VK_LEFT);
  E2E_SOON(e2e::gridInfo(list, surva::win32::kGridInfoCol) == 1);
  E2E_CHECK_EQ(e2e::gridCell(list, -1, 0), std::wstring(L"-123.456"));
  E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L""));
}

// Pages switch; a control the layout hides (SpeedButton4 on the third
// page) stays hidden when its page comes up.
void pagesAndHiddenControls(HWND top) {
  HWND tabs = e2e::childOfClass(top, L"SysTabControl32");
  E2E_REQUIRE(tabs);
  HWND speedButton4 = nullptr;
  for (const auto& c : e2e::children(top)) {
    RECT want{4 + 3, 24 + 280, 4 + 3 + 73, 24 + 280 + 22};
    if (_wcsicmp(c.className.c_str(), L"Button") == 0 && c.text.empty() && EqualRect(&c.rect, &want))
      speedButton4 = c.hwnd;
  }
  E2E_REQUIRE(speedButton4);
  HWND pan = e2e::child(top, L"画層取得", L"Button");  // on the same page
  E2E_REQUIRE(pan);
  E2E_CHECK(!IsWindowVisible(pan));
  e2e::send(tabs, TCM_SETCURFOCUS, 2);
  E2E_CHECK_EQ(static_cast<int>(e2e::send(tabs, TCM_GETCURSEL)), 2);
  E2E_CHECK(IsWindowVisible(pan));
  E2E_CHECK(!IsWindowVisible(speedButton4));
  e2e::send(tabs, TCM_SETCURFOCUS, 0);
  E2E_CHECK(!IsWindowVisible(pan));
}

// Every control with a hint has a tool-tip.
void hints(HWND top, DWORD pid) {
  int withHint = 0;
  for (const auto& entry : surva::app::mainFormLayout())
    if (entry.props.hint) ++withHint;
  HWND tips = nullptr;
  struct Ctx {
    DWORD pid;
    HWND top;
    HWND* out;
  } ctx{pid, top, &tips};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == c->pid && e2e::className(w) == L"tooltips_class32" && GetWindow(w, GW_OWNER) == c->top) {
          *c->out = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  E2E_REQUIRE(tips);
  E2E_CHECK_EQ(static_cast<int>(e2e::send(tips, TTM_GETTOOLCOUNT)), withHint);
}

// The version dialog from the main list's pop-up menu: modal, shown afresh
// each time, closed by its OK button.
void versionDialogTwice(HWND top, DWORD pid) {
  HWND list = e2e::grids(top).at(0);
  for (int round = 0; round < 2; ++round) {
    E2E_REQUIRE(e2e::bringToFront(top));
    RECT r;
    GetWindowRect(list, &r);
    PostMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(r.left + 40, r.top + 40));
    HWND menu = e2e::waitForWindow(L"#32768", nullptr, 5000);
    E2E_REQUIRE(menu);
    // "バージョン情報", the 11th item (the arrow keys skip separators); the
    // items added after it keep their place below.
    for (int i = 0; i < 11; ++i) {
      e2e::press(VK_DOWN);
      Sleep(20);
    }
    Sleep(50);
    e2e::press(VK_RETURN);
    HWND about = e2e::waitForProcessWindow(pid, [](HWND w) { return e2e::className(w) == L"TAboutBox"; });
    E2E_REQUIRE(about);
    E2E_CHECK_EQ(e2e::text(about), std::wstring(L"バージョン情報"));
    E2E_CHECK_EQ(e2e::clientSize(about).cx, 227L);
    E2E_CHECK_EQ(e2e::clientSize(about).cy, 164L);
    E2E_CHECK(!e2e::enabled(top));  // modal: the main window waits
    E2E_CHECK(e2e::child(about, L"Surva2023", L"Static") != nullptr);
    E2E_CHECK(e2e::child(about, L"Ver, 2023.8.9", L"Static") != nullptr);
    HWND ok = e2e::child(about, L"OK", L"Button");
    E2E_REQUIRE(ok);
    e2e::click(ok);
    E2E_CHECK(e2e::waitUntil([&] { return !IsWindow(about) || !IsWindowVisible(about); }, 5000));
    E2E_CHECK(e2e::waitUntil([&] { return e2e::enabled(top); }, 3000));
  }
}

}  // namespace

int main() {
  return e2e::run([] {
    std::wstring dir = e2e::freshFolder(L"main-window");
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);

    std::wstring caption = e2e::text(top);
    E2E_CHECK(caption == L"Surva2023" || caption.rfind(L"Surva2024.2.21", 0) == 0);
    E2E_CHECK(e2e::topMost(top));
    E2E_CHECK_EQ(e2e::clientSize(top).cx, 391L);
    E2E_CHECK_EQ(e2e::clientSize(top).cy, 464L);
    LONG style = GetWindowLongW(top, GWL_STYLE);
    E2E_CHECK((style & WS_MINIMIZEBOX) && !(style & WS_MAXIMIZEBOX) && !(style & WS_THICKFRAME));

    captionsMatchLayout(top);

    Controls c{};
    c.checkBox21 = e2e::child(top, L"PLINE", L"Button");
    c.checkBox5 = e2e::child(top, L"閉鎖", L"Button");
    c.checkBox7 = e2e::child(top, L"2点目以降座標順", L"Button");
    c.checkBox28 = e2e::child(top, L"3D", L"Button");
    c.checkBox16 = e2e::child(top, L"交点 ( INT ) オプション ( [ ID ] ボタンの右クリックでも反転）", L"Button");
    c.button12 = e2e::child(top, L"ID (INT)", L"Button");
    E2E_REQUIRE(c.checkBox21 && c.checkBox5 && c.checkBox7 && c.checkBox28 && c.checkBox16 && c.button12);
    enablingRule(c);
    rightButtonToggle(c, app.id());
    typingIntoTheList(top);
    hints(top, app.id());
    pagesAndHiddenControls(top);
    versionDialogTwice(top, app.id());

    PostMessageW(top, WM_CLOSE, 0, 0);
    auto code = app.wait(15000);
    E2E_CHECK(code.has_value());
    if (code) E2E_CHECK_EQ(*code, DWORD{0});
  });
}
