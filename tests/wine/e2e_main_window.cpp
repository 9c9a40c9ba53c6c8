// The real main window under Wine: its frame, every caption against the
// layout table, the enabling rules, the right-button toggle, typing into
// the main list and closing.
#include <map>

#include "app/main_form_layout.h"
#include "e2e.h"

namespace {

using surva::ui::ControlSpec;
using surva::ui::Kind;

std::wstring wide(const char16_t* s) { return s ? std::wstring(s, s + std::char_traits<char16_t>::length(s)) : L""; }

// Where a control of the layout lands in the window's client area (96 DPI).
RECT expectedRect(const ControlSpec& spec, const std::map<std::wstring, const ControlSpec*>& byName) {
  RECT r{spec.bounds.left, spec.bounds.top, spec.bounds.left + spec.bounds.width, spec.bounds.top + spec.bounds.height};
  for (const char16_t* p = spec.parent; p;) {
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
  for (const auto& spec : surva::app::mainFormLayout()) byName[wide(spec.name)] = &spec;
  int checkedCount = 0;
  for (const auto& spec : surva::app::mainFormLayout()) {
    const wchar_t* cls = windowClassFor(spec.kind);
    std::wstring caption = wide(spec.text);
    if (!cls || caption.empty()) continue;
    // The caption rule has run at start: the INT option is on.
    if (wide(spec.name) == L"Button12") caption = L"ID (INT)";
    RECT want = expectedRect(spec, byName);
    bool captionFound = false, placed = false;
    RECT seen{};
    for (const auto& c : kids) {
      if (_wcsicmp(c.className.c_str(), cls) != 0 || c.text != caption) continue;
      captionFound = true;
      seen = c.rect;
      if (EqualRect(&c.rect, &want)) placed = true;
    }
    ++checkedCount;
    e2e::report(captionFound, __FILE__, __LINE__, e2e::narrow(wide(spec.name)) + " caption " + e2e::show(caption));
    if (captionFound)
      e2e::report(placed, __FILE__, __LINE__,
                  e2e::narrow(wide(spec.name)) + " at " + rectText(seen) + ", layout " + rectText(want));
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
  e2e::click(c.checkBox21);
  E2E_CHECK(e2e::checked(c.checkBox21));
  E2E_CHECK(e2e::enabled(c.checkBox5) && e2e::enabled(c.checkBox7) && e2e::enabled(c.checkBox28));
  E2E_CHECK(e2e::checked(c.checkBox5) && !e2e::checked(c.checkBox7) && e2e::checked(c.checkBox28));
  e2e::click(c.checkBox21);
  E2E_CHECK(!e2e::checked(c.checkBox21));
  E2E_CHECK(!e2e::enabled(c.checkBox5) && !e2e::enabled(c.checkBox7) && !e2e::enabled(c.checkBox28));
  E2E_CHECK(e2e::checked(c.checkBox5) && !e2e::checked(c.checkBox7) && e2e::checked(c.checkBox28));
}

void rightClick(HWND w) {
  PostMessageW(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  PostMessageW(w, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  e2e::settle(w);
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
  PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(grid, WM_LBUTTONUP, 0, at);
  e2e::settle(grid);
}

void typeSlowly(HWND grid, const std::string& s) {
  for (char ch : s) {
    e2e::typeAscii(std::string(1, ch));
    Sleep(30);  // the first character opens the editor, which then has focus
    e2e::settle(grid);
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
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoEditing), 1LL);
  e2e::press(VK_RETURN);
  e2e::waitUntil([&] { return e2e::gridInfo(list, surva::win32::kGridInfoEditing) == 0; }, 3000);
  E2E_CHECK_EQ(e2e::gridCell(list, 0, 2), std::wstring(L"A-1"));

  // Arrow to the X column and type a coordinate; Tab moves on one cell.
  e2e::press(VK_RIGHT);
  e2e::settle(list);
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoCol), 1LL);
  typeSlowly(list, "-123.456");
  e2e::press(VK_TAB);
  e2e::waitUntil([&] { return e2e::gridInfo(list, surva::win32::kGridInfoCol) == 2; }, 3000);
  E2E_CHECK_EQ(e2e::gridCell(list, 1, 2), std::wstring(L"-123.456"));
  E2E_CHECK_EQ(e2e::gridInfo(list, surva::win32::kGridInfoEditing), 0LL);

  // Escape drops an edit.
  typeSlowly(list, "9");
  e2e::press(VK_ESCAPE);
  e2e::waitUntil([&] { return e2e::gridInfo(list, surva::win32::kGridInfoEditing) == 0; }, 3000);
  E2E_CHECK_EQ(e2e::gridCell(list, 2, 2), std::wstring(L""));
  // The probe with column -1 reads the current cell; other cells stay empty.
  e2e::press(VK_LEFT);
  e2e::settle(list);
  E2E_CHECK_EQ(e2e::gridCell(list, -1, 0), std::wstring(L"-123.456"));
  E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L""));
}

}  // namespace

int main() {
  return e2e::run([] {
    std::wstring dir = e2e::freshFolder(L"main-window");
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::waitForProcessWindow(app.id(), [](HWND w) { return e2e::className(w) == L"TForm1"; });
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

    PostMessageW(top, WM_CLOSE, 0, 0);
    auto code = app.wait(15000);
    E2E_CHECK(code.has_value());
    if (code) E2E_CHECK_EQ(*code, DWORD{0});
  });
}
