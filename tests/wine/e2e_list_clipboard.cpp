// The main list and the Windows clipboard, in the real window: text that
// another program put there pastes with Ctrl+V, the pop-up menu sorts by
// station name, and Ctrl+C puts the selected cells back on the clipboard.
// With the in-place editor open, a right click and a menu command keep the
// typed text in its own row, and Ctrl+V still pastes rows.
#include <windows.h>

#include <string>

#include "e2e.h"

namespace {

std::wstring clipboardText() {
  std::wstring out;
  if (!OpenClipboard(nullptr)) return L"<cannot open>";
  if (HANDLE h = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* p = static_cast<const wchar_t*>(GlobalLock(h))) {
      out = p;
      GlobalUnlock(h);
    }
  }
  CloseClipboard();
  return out;
}

void clickCell(HWND grid, int col, int row) {
  // Column width 71 and row height 19 in the layout; the header is row 0.
  LPARAM at = MAKELPARAM(col * 71 + 30, row * 19 + 9);
  PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(grid, WM_LBUTTONUP, 0, at);
  e2e::settle(grid);
}

HWND popupMenuWindow() {
  HWND w = FindWindowW(L"#32768", nullptr);
  return w && IsWindowVisible(w) ? w : nullptr;
}

// "測点名でソート" is the pop-up menu's eighth item (separators are skipped
// by the arrow keys).
void chooseSortByName() {
  E2E_REQUIRE(e2e::waitUntil([] { return popupMenuWindow() != nullptr; }, 5000));
  for (int i = 0; i < 8; ++i) {
    e2e::press(VK_DOWN);
    Sleep(20);
  }
  e2e::press(VK_RETURN);
}

// A typed character opens the editor on the current cell.
void typeIntoCell(HWND grid, int col, int row, wchar_t ch) {
  clickCell(grid, col, row);
  PostMessageW(grid, WM_CHAR, ch, 0);
  e2e::waitUntil([&] { return e2e::gridInfo(grid, surva::win32::kGridInfoEditing) == 1; }, 3000);
  E2E_CHECK_EQ(e2e::gridInfo(grid, surva::win32::kGridInfoEditing), 1LL);
}

}  // namespace

int main() {
  return e2e::run([] {
    std::wstring dir = e2e::freshFolder(L"list-clipboard");
    e2e::Process app = e2e::startProgram(e2e::copyInto(e2e::survaExe(), dir));
    E2E_REQUIRE(app.started());
    HWND top = e2e::mainWindow(app);
    E2E_REQUIRE(top);
    auto grids = e2e::grids(top);
    E2E_REQUIRE(grids.size() == 4);
    HWND list = grids[0];
    using namespace surva::win32;

    // Ctrl+V of text that this program (not Surva) put on the clipboard.
    E2E_REQUIRE(e2e::putClipboardText(L"B2\t1.5\t2.5\r\nA1\t3\t4\r\n"));
    E2E_REQUIRE(e2e::bringToFront(top));
    clickCell(list, 0, 1);
    E2E_CHECK_EQ(e2e::gridInfo(list, kGridInfoRow), 1LL);
    e2e::pressWith(VK_CONTROL, 'V');
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 2) == L"A1"; }, 5000));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L"B2"));
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 1), std::wstring(L"2.5"));
    E2E_CHECK_EQ(e2e::gridCell(list, 2, 2), std::wstring(L"4"));
    E2E_CHECK_EQ(e2e::gridInfo(list, kGridInfoRowCount), 5LL);

    // The pop-up menu from the keyboard position.
    PostMessageW(list, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(0xFFFF, 0xFFFF));
    chooseSortByName();
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 4) == L"B2"; }, 5000));
    // The two empty rows of the start-up list sort first.
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L""));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 3), std::wstring(L"A1"));
    E2E_CHECK_EQ(e2e::gridCell(list, 1, 3), std::wstring(L"3"));
    E2E_CHECK_EQ(e2e::gridCell(list, 1, 4), std::wstring(L"1.5"));
    E2E_CHECK_EQ(e2e::gridCell(list, 4, 3), std::wstring(L"3"));
    E2E_CHECK_EQ(e2e::gridCell(list, 4, 4), std::wstring(L"4"));

    // Ctrl+C of two cells of row 3 puts them on the Windows clipboard.
    // Shift+Right as the arrow key itself: without the extended flag it is
    // the keypad's 6, which Shift turns back into an unshifted arrow.
    E2E_REQUIRE(e2e::bringToFront(top));
    clickCell(list, 0, 3);
    keybd_event(VK_SHIFT, 0, 0, 0);
    keybd_event(VK_RIGHT, 0, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(VK_RIGHT, 0, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
    keybd_event(VK_SHIFT, 0, KEYEVENTF_KEYUP, 0);
    e2e::waitUntil([&] { return e2e::gridInfo(list, kGridInfoSelRight) == 1; }, 3000);
    E2E_CHECK_EQ(e2e::gridInfo(list, kGridInfoSelRight), 1LL);
    E2E_REQUIRE(e2e::putClipboardText(L"old"));
    e2e::pressWith(VK_CONTROL, 'C');
    E2E_CHECK(e2e::waitUntil([] { return clipboardText() != L"old"; }, 5000));
    E2E_CHECK_EQ(clipboardText(), std::wstring(L"A1\t3\r\n"));

    // "Z" typed into the empty row 1, a right click on row 3, the sort from
    // its menu, a click elsewhere: "Z" is sorted with its row and written
    // nowhere else.
    typeIntoCell(list, 0, 1, L'Z');
    LPARAM row3 = MAKELPARAM(30, 3 * 19 + 9);
    PostMessageW(list, WM_RBUTTONDOWN, MK_RBUTTON, row3);
    PostMessageW(list, WM_RBUTTONUP, 0, row3);
    chooseSortByName();
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(list, 0, 4) == L"Z"; }, 5000));
    clickCell(list, 1, 2);
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 1), std::wstring(L""));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 2), std::wstring(L"A1"));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 3), std::wstring(L"B2"));
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 4), std::wstring(L"Z"));

    // Ctrl+V in the open editor of the last row pastes rows and grows the list.
    E2E_REQUIRE(e2e::bringToFront(top));
    typeIntoCell(list, 0, 4, L'x');
    E2E_REQUIRE(e2e::putClipboardText(L"P1\t7\r\nP2\t8\r\n"));
    e2e::pressWith(VK_CONTROL, 'V');
    E2E_CHECK(e2e::waitUntil([&] { return e2e::gridInfo(list, kGridInfoRowCount) == 6; }, 5000));
    E2E_CHECK_EQ(e2e::gridInfo(list, kGridInfoEditing), 0LL);
    E2E_CHECK_EQ(e2e::gridCell(list, 0, 4), std::wstring(L"P1"));
    E2E_CHECK_EQ(e2e::gridCell(list, 1, 5), std::wstring(L"8"));

    PostMessageW(top, WM_CLOSE, 0, 0);
    auto code = app.wait(15000);
    E2E_CHECK(code.has_value());
  });
}
