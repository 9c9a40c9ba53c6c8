#include "win32/form_peer.h"

#include <commctrl.h>
#include <shellapi.h>

#include <set>

#include "win32/dpi.h"

namespace surva::win32 {

namespace {

// One window class per form name: "T" + name, as tools look them up.
std::wstring classFor(Win32Backend& backend, const ui::Form& form) {
  static std::set<std::wstring> registered;
  std::wstring name = L"T" + text::toWide(form.name());
  if (registered.insert(name).second) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = backend.instance();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = backend.programIcon(32);
    wc.hIconSm = backend.programIcon(16);
    wc.lpszClassName = name.c_str();
    RegisterClassExW(&wc);
  }
  return name;
}

}  // namespace

FormPeer::FormPeer(Win32Backend& backend, ui::Form& form) : WindowPeer(backend, form), form_(form) {
  HWND owner = nullptr;
  if (form.owner())
    if (WindowPeer* p = Win32Backend::peerOf(form.owner())) owner = p->hwnd();
  std::wstring cls = classFor(backend, form);
  HWND w = CreateWindowExW(exStyle(), cls.c_str(), text::toWide(form.text()).c_str(), style(), CW_USEDEFAULT,
                           CW_USEDEFAULT, 100, 100, owner, nullptr, backend.instance(), nullptr);
  dpi_ = dpiOfWindow(w);
  if (form.onDropFiles) DragAcceptFiles(w, TRUE);
  attach(w);
  place(true);
}

FormPeer::~FormPeer() {
  if (tooltip_) DestroyWindow(tooltip_);
}

DWORD FormPeer::style() const { return styleOf(form_); }
DWORD FormPeer::exStyle() const { return exStyleOf(form_); }

DWORD FormPeer::styleOf(const ui::Form& form) {
  DWORD s = WS_CAPTION | WS_CLIPCHILDREN;
  const ui::BorderIcons& icons = form.borderIcons();
  if (icons.systemMenu) s |= WS_SYSMENU;
  switch (form.borderStyle()) {
    case ui::BorderStyle::Sizeable:
      s |= WS_THICKFRAME;
      if (icons.minimize) s |= WS_MINIMIZEBOX;
      if (icons.maximize) s |= WS_MAXIMIZEBOX;
      break;
    case ui::BorderStyle::Single:
      s |= WS_BORDER;
      if (icons.minimize) s |= WS_MINIMIZEBOX;
      if (icons.maximize) s |= WS_MAXIMIZEBOX;
      break;
    case ui::BorderStyle::Dialog: s |= DS_MODALFRAME | WS_POPUP; break;
  }
  return s;
}

DWORD FormPeer::exStyleOf(const ui::Form& form) {
  DWORD s = WS_EX_CONTROLPARENT;
  if (form.stayOnTop()) s |= WS_EX_TOPMOST;
  if (form.borderStyle() == ui::BorderStyle::Dialog) s |= WS_EX_DLGMODALFRAME;
  return s;
}

HWND FormPeer::tooltip() {
  if (!tooltip_) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd(), nullptr,
                               backend().instance(), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, px(400));
  }
  return tooltip_;
}

void FormPeer::place(bool initial) {
  if (!hwnd()) return;
  RECT r{0, 0, scaled(form_.clientWidth(), dpi_), scaled(form_.clientHeight(), dpi_)};
  adjustWindowRect(r, style(), exStyle(), dpi_);
  int w = r.right - r.left, h = r.bottom - r.top;
  int x, y;
  if (form_.positionMode() == ui::FormPosition::Designed) {
    x = form_.bounds().left;  // screen pixels
    y = form_.bounds().top;
  } else {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HWND owner = GetWindow(hwnd(), GW_OWNER);
    if (form_.positionMode() == ui::FormPosition::OwnerCenter && owner) GetWindowRect(owner, &area);
    x = area.left + (area.right - area.left - w) / 2;
    y = area.top + (area.bottom - area.top - h) / 2;
  }
  placing_ = true;
  UINT flags = SWP_NOACTIVATE | (initial || !form_.stayOnTop() ? SWP_NOZORDER : 0);
  SetWindowPos(hwnd(), form_.stayOnTop() ? HWND_TOPMOST : nullptr, x, y, w, h, flags);
  fitClient();
  placing_ = false;
}

// The frame the system really draws may differ from what AdjustWindowRect
// computed for this DPI (a frame not yet rescaled): measure and correct, so
// the client area is exactly the layout's size.
void FormPeer::fitClient() {
  RECT c, outer;
  GetClientRect(hwnd(), &c);
  GetWindowRect(hwnd(), &outer);
  int dw = scaled(form_.clientWidth(), dpi_) - c.right, dh = scaled(form_.clientHeight(), dpi_) - c.bottom;
  int w = outer.right - outer.left + dw, h = outer.bottom - outer.top + dh;
  if (dw != 0 || dh != 0) SetWindowPos(hwnd(), nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The model learns the real frame so that its placement rules fit.
  form_.setFrameSize(unscaled(w, dpi_) - form_.clientWidth(), unscaled(h, dpi_) - form_.clientHeight());
}

void FormPeer::applyBounds() {
  if (!applying_) place(false);  // not when the user moved the window
}

void FormPeer::showWindow() {
  if (form_.positionMode() != ui::FormPosition::Designed) place(false);
  ShowWindow(hwnd(), form_.windowState() == ui::WindowState::Minimized ? SW_SHOWMINIMIZED : SW_SHOW);
  UpdateWindow(hwnd());
  SetForegroundWindow(hwnd());
}

void FormPeer::hideWindow() { ShowWindow(hwnd(), SW_HIDE); }

void FormPeer::onProperty(ui::Property what) {
  switch (what) {
    case ui::Property::Visible:
      if (!form_.visible()) {
        hideWindow();
        backend().formHidden(form_);
      }
      break;
    case ui::Property::WindowState: {
      bool minimized = form_.windowState() == ui::WindowState::Minimized;
      if ((IsIconic(hwnd()) != FALSE) != minimized) ShowWindow(hwnd(), minimized ? SW_MINIMIZE : SW_RESTORE);
      break;
    }
    case ui::Property::Foreground:
      SetForegroundWindow(hwnd());
      break;
    case ui::Property::ModalResult:
      PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes the modal loop
      break;
    default: break;
  }
}

ui::Button* FormPeer::defaultButton() const {
  for (ui::Control* c : form_.controls())
    if (auto* b = dynamic_cast<ui::Button*>(c); b && b->isDefault()) return b;
  return nullptr;
}

void FormPeer::rescaleTree(ui::Control& c) {
  for (ui::Control* k : c.children()) {
    if (WindowPeer* p = Win32Backend::peerOf(k)) p->rescale();
    rescaleTree(*k);
  }
}

void FormPeer::rescale() {
  place(false);
  rescaleTree(form_);
}

bool FormPeer::handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  switch (msg) {
    case WM_CLOSE:
      form_.requestClose();
      result = 0;
      return true;
    case WM_DROPFILES: {
      auto drop = reinterpret_cast<HDROP>(wp);
      std::vector<text::u16> paths;
      const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
      for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
        paths.push_back(text::fromWide(path));
      }
      DragFinish(drop);
      form_.dropFiles(paths);
      result = 0;
      return true;
    }
    case WM_QUERYENDSESSION:
      result = TRUE;  // nothing to ask: the settings are saved when the session really ends
      return true;
    case WM_ENDSESSION:
      // The system ends the process after this returns, without WM_CLOSE.
      if (wp) form_.endSession();
      result = 0;
      return true;
    case WM_COMMAND:
      // Return and Escape in the form (IsDialogMessage): the default button
      // and closing.
      if (lp == 0 && LOWORD(wp) == IDOK) {
        if (ui::Button* b = defaultButton()) b->click();
        result = 0;
        return true;
      }
      if (lp == 0 && LOWORD(wp) == IDCANCEL && form_.owner()) {
        form_.requestClose();
        result = 0;
        return true;
      }
      return false;
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED)
        form_.setWindowState(ui::WindowState::Minimized);
      else if (wp == SIZE_RESTORED)
        form_.setWindowState(ui::WindowState::Normal);
      return false;
    case WM_MOVE:
      if (!placing_ && !IsIconic(hwnd())) {
        RECT r;
        GetWindowRect(hwnd(), &r);
        ui::Rect b = form_.bounds();
        if (b.left != r.left || b.top != r.top) {
          applying_ = true;
          form_.moveTo(r.left, r.top);
          applying_ = false;
        }
      }
      return false;
    case 0x02E0: {  // WM_DPICHANGED
      dpi_ = HIWORD(wp);
      auto* suggested = reinterpret_cast<RECT*>(lp);
      placing_ = true;
      SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      placing_ = false;
      rescaleTree(form_);
      // Client size exact at the new DPI (the suggestion may round).
      RECT r{0, 0, scaled(form_.clientWidth(), dpi_), scaled(form_.clientHeight(), dpi_)};
      adjustWindowRect(r, style(), exStyle(), dpi_);
      placing_ = true;
      SetWindowPos(hwnd(), nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
      fitClient();
      placing_ = false;
      result = 0;
      return true;
    }
    default: return false;
  }
}

}  // namespace surva::win32
