#pragma once
// Typing rows into the main list of a running surva.exe, as a user does:
// click the name cell, type, Tab to X and Y, Enter.
#include <string>

#include "e2e.h"

namespace e2e {

// A cell of the main list at its designed column width and row height.
inline void clickListCell(HWND grid, int col, int row) {
  LPARAM at = MAKELPARAM(col * 71 + 30, row * 19 + 9);
  PostMessageW(grid, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(grid, WM_LBUTTONUP, 0, at);
  settle(grid);
}

// One key at a time, each handled before the next.
inline void typeSlowly(HWND grid, const std::string& s) {
  for (char ch : s) {
    typeAscii(std::string(1, ch));
    Sleep(30);
    settle(grid);
  }
}

inline void typeListRow(HWND list, int row, const std::string& name, const std::string& x, const std::string& y) {
  clickListCell(list, 0, row);
  typeSlowly(list, name);
  press(VK_TAB);
  waitUntil([&] { return gridInfo(list, surva::win32::kGridInfoCol) == 1; }, 3000);
  typeSlowly(list, x);
  press(VK_TAB);
  waitUntil([&] { return gridInfo(list, surva::win32::kGridInfoCol) == 2; }, 3000);
  typeSlowly(list, y);
  press(VK_RETURN);
  waitUntil([&] { return gridInfo(list, surva::win32::kGridInfoEditing) == 0; }, 3000);
}

}  // namespace e2e
