#pragma once
// How a test driver in another process reads a string grid back.
//
// Messages with pointers in them are not carried across processes, but
// WM_GETTEXT is (the system copies the text into the caller's buffer). So
// the grid window answers WM_GETTEXT / WM_GETTEXTLENGTH with the text of its
// "probe cell", and a registered message chooses that cell:
//
//   UINT probe = RegisterWindowMessageW(kGridProbeMessage);
//   SendMessageW(grid, probe, col, row);       // col -1: the current cell
//   SendMessageW(grid, WM_GETTEXT, n, buffer); // that cell's text
//
// A second registered message answers numbers about the grid:
//
//   UINT info = RegisterWindowMessageW(kGridInfoMessage);
//   SendMessageW(grid, info, kGridInfoRowCount, 0);
//
// Neither changes what the user sees.
#include <windows.h>

namespace surva::win32 {

inline constexpr const wchar_t* kGridClassName = L"SurvaStringGrid";
inline constexpr const wchar_t* kGridProbeMessage = L"Surva.Grid.Probe";
inline constexpr const wchar_t* kGridInfoMessage = L"Surva.Grid.Info";

enum GridInfo : WPARAM {
  kGridInfoRowCount = 0,
  kGridInfoColCount = 1,
  kGridInfoCol = 2,        // current cell
  kGridInfoRow = 3,
  kGridInfoEditing = 4,    // 1 while the in-place editor is open
  kGridInfoTopRow = 5,     // first data row shown under the header
  kGridInfoSelLeft = 6,
  kGridInfoSelTop = 7,
  kGridInfoSelRight = 8,
  kGridInfoSelBottom = 9,
};

}  // namespace surva::win32
