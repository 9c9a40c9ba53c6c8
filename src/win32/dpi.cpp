#include "win32/dpi.h"

namespace surva::win32 {

namespace {

template <class F>
F user32(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

void enablePerMonitorDpi() {
  using SetContext = BOOL(WINAPI*)(HANDLE);
  if (auto set = user32<SetContext>("SetProcessDpiAwarenessContext")) {
    // DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, then V1.
    if (set(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-4)))) return;
    if (set(reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(-3)))) return;
  }
  using SetAware = BOOL(WINAPI*)();
  if (auto aware = user32<SetAware>("SetProcessDPIAware")) aware();
}

UINT systemDpi() {
  using GetSystem = UINT(WINAPI*)();
  static auto get = user32<GetSystem>("GetDpiForSystem");
  if (get) return get();
  HDC dc = GetDC(nullptr);
  UINT dpi = static_cast<UINT>(GetDeviceCaps(dc, LOGPIXELSY));
  ReleaseDC(nullptr, dc);
  return dpi ? dpi : 96;
}

UINT primaryMonitorDpi() {
  using GetForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static HMODULE shcore = LoadLibraryW(L"shcore.dll");
  static auto get =
      shcore ? reinterpret_cast<GetForMonitor>(reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
             : nullptr;
  UINT x = 0, y = 0;
  if (get && SUCCEEDED(get(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), 0 /* MDT_EFFECTIVE_DPI */, &x, &y)) &&
      x)
    return x;
  return systemDpi();
}

UINT dpiOfWindow(HWND w) {
  using GetForWindow = UINT(WINAPI*)(HWND);
  static auto get = user32<GetForWindow>("GetDpiForWindow");
  if (get && w) {
    UINT dpi = get(w);
    if (dpi) return dpi;
  }
  return systemDpi();
}

void adjustWindowRect(RECT& r, DWORD style, DWORD exStyle, UINT dpi) {
  using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static auto adjust = user32<AdjustForDpi>("AdjustWindowRectExForDpi");
  if (adjust && adjust(&r, style, FALSE, exStyle, dpi)) return;
  AdjustWindowRectEx(&r, style, FALSE, exStyle);
}

}  // namespace surva::win32
