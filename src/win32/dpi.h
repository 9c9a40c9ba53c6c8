#pragma once
// Per-monitor DPI: the layout's pixels are at 96 DPI and every bound and
// font is scaled by the DPI of the monitor the window is on. The newer
// functions are looked up at run time so that the program also starts on
// systems (and Wine versions) that lack them.
#include <windows.h>

namespace surva::win32 {

// Asks for per-monitor (v2) awareness; the manifest asks too, this covers
// a missing or ignored manifest.
void enablePerMonitorDpi();
UINT dpiOfWindow(HWND w);
UINT systemDpi();
// The primary monitor's DPI now (the system DPI may be that of the logon).
UINT primaryMonitorDpi();
// AdjustWindowRectEx at the given DPI.
void adjustWindowRect(RECT& r, DWORD style, DWORD exStyle, UINT dpi);

inline int scaled(int v, UINT dpi) { return MulDiv(v, static_cast<int>(dpi), 96); }
inline int unscaled(int v, UINT dpi) { return MulDiv(v, 96, static_cast<int>(dpi)); }

}  // namespace surva::win32
