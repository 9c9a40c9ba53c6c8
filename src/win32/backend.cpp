#include "win32/backend.h"

#include <commctrl.h>
#include <windowsx.h>

#include <functional>

#include "win32/control_peers.h"
#include "win32/dpi.h"
#include "win32/form_peer.h"
#include "win32/grid_window.h"

namespace surva::win32 {

namespace {

constexpr const wchar_t* kPeerProp = L"Surva.Peer";
constexpr UINT_PTR kSubclassId = 0x5355;  // "SU"

ui::ShiftState shiftNow() {
  return {.shift = GetKeyState(VK_SHIFT) < 0, .ctrl = GetKeyState(VK_CONTROL) < 0, .alt = GetKeyState(VK_MENU) < 0};
}

}  // namespace

// ---- WindowPeer ---------------------------------------------------------------

WindowPeer::WindowPeer(Win32Backend& backend, ui::Control& control) : backend_(backend), control_(control) {}

WindowPeer::~WindowPeer() {
  if (hwnd_ && IsWindow(hwnd_)) {
    HWND w = hwnd_;
    hwnd_ = nullptr;
    RemovePropW(w, kPeerProp);
    RemoveWindowSubclass(w, subclassProc, kSubclassId);
    DestroyWindow(w);
  }
}

WindowPeer* WindowPeer::of(HWND w) { return w ? static_cast<WindowPeer*>(GetPropW(w, kPeerProp)) : nullptr; }

UINT WindowPeer::dpi() const {
  if (FormPeer* f = backend_.formPeer(control_)) return f->formDpi();
  return systemDpi();
}

int WindowPeer::px(int logical) const { return scaled(logical, dpi()); }

HWND WindowPeer::parentWindow() const {
  for (ui::Control* p = control_.parent(); p; p = p->parent())
    if (WindowPeer* peer = Win32Backend::peerOf(p)) return peer->hwnd();
  return nullptr;
}

DWORD WindowPeer::childStyle() const {
  DWORD s = WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.visible() && shown()) s |= WS_VISIBLE;
  if (control_.tabStop()) s |= WS_TABSTOP;
  return s;
}

int WindowPeer::nextId() {
  FormPeer* f = backend_.formPeer(control_);
  return f ? f->nextControlId() : 0;
}

void WindowPeer::attach(HWND w) {
  hwnd_ = w;
  if (!w) return;
  SetPropW(w, kPeerProp, this);
  SetWindowSubclass(w, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  applyFont();
  applyEnabled();
  applyHint();
}

void WindowPeer::applyBounds() {
  if (!hwnd_) return;
  const ui::Rect& r = control_.bounds();
  SetWindowPos(hwnd_, nullptr, px(r.left), px(r.top), px(r.width), px(r.height),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void WindowPeer::applyFont() {
  if (!hwnd_) return;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(backend_.font(control_.effectiveFont(), dpi())), TRUE);
}

void WindowPeer::applyEnabled() {
  if (!hwnd_) return;
  bool on = control_.enabledInTree();
  if ((IsWindowEnabled(hwnd_) != FALSE) != on) EnableWindow(hwnd_, on);
  // Children of a container follow it: greyed when it is disabled.
  for (ui::Control* c : control_.children())
    if (WindowPeer* p = Win32Backend::peerOf(c)) p->applyEnabled();
}

void WindowPeer::applyVisible() {
  if (!hwnd_) return;
  // The window's own flag, not IsWindowVisible: a control hidden on a page
  // that is not shown must stay hidden when the page comes up.
  bool on = control_.visible() && shown();
  bool has = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (has != on) ShowWindow(hwnd_, on ? SW_SHOWNA : SW_HIDE);
}

void WindowPeer::applyHint() {
  if (!hwnd_ || control_.hint().empty()) return;
  FormPeer* f = backend_.formPeer(control_);
  if (!f || f == this) return;
  HWND tip = f->tooltip();
  std::wstring text = text::toWide(control_.hint());
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = GetParent(hwnd_);
  ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  ti.lpszText = text.data();
  SendMessageW(tip, hasTool_ ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  hasTool_ = true;
}

void WindowPeer::rescale() {
  applyBounds();
  applyFont();
}

HBRUSH WindowPeer::ctlColor(HDC dc, UINT message) {
  ui::Font f = control_.effectiveFont();
  if (f.hasColor) SetTextColor(dc, RGB(f.color.r, f.color.g, f.color.b));
  if (message == WM_CTLCOLOREDIT || (message == WM_CTLCOLORSTATIC && control_.kind() == ui::Kind::Edit)) {
    SetBkColor(dc, GetSysColor(control_.enabledInTree() ? COLOR_WINDOW : COLOR_BTNFACE));
    return GetSysColorBrush(control_.enabledInTree() ? COLOR_WINDOW : COLOR_BTNFACE);
  }
  SetBkMode(dc, TRANSPARENT);
  if (control_.hasColor()) {
    // A coloured control paints its own colour behind the text.
    static std::map<COLORREF, HBRUSH> brushes;
    ui::Color c = control_.color();
    COLORREF ref = RGB(c.r, c.g, c.b);
    auto& b = brushes[ref];
    if (!b) b = CreateSolidBrush(ref);
    return b;
  }
  return GetSysColorBrush(COLOR_BTNFACE);
}

void WindowPeer::propertyChanged(ui::Property what) {
  if (hwnd_) {
    switch (what) {
      case ui::Property::Text: {
        std::wstring want = text::toWide(control_.text());
        int n = GetWindowTextLengthW(hwnd_);
        std::wstring have(n + 1, L'\0');
        have.resize(GetWindowTextW(hwnd_, have.data(), n + 1));
        if (have != want) {
          applying_ = true;
          SetWindowTextW(hwnd_, want.c_str());
          applying_ = false;
        }
        break;
      }
      case ui::Property::Bounds: applyBounds(); break;
      case ui::Property::Enabled: applyEnabled(); break;
      case ui::Property::Visible: applyVisible(); break;
      case ui::Property::Font: {
        applyFont();
        // Children that take the font from this control follow it.
        std::function<void(ui::Control&)> down = [&](ui::Control& c) {
          for (ui::Control* k : c.children()) {
            if (WindowPeer* p = Win32Backend::peerOf(k)) p->applyFont();
            down(*k);
          }
        };
        down(control_);
        InvalidateRect(hwnd_, nullptr, TRUE);
        break;
      }
      case ui::Property::Color: InvalidateRect(hwnd_, nullptr, TRUE); break;
      case ui::Property::Hint: applyHint(); break;
      case ui::Property::TabStop: {
        LONG s = GetWindowLongW(hwnd_, GWL_STYLE);
        SetWindowLongW(hwnd_, GWL_STYLE, control_.tabStop() ? (s | WS_TABSTOP) : (s & ~WS_TABSTOP));
        break;
      }
      case ui::Property::Focus: SetFocus(hwnd_); break;
      default: break;
    }
  }
  onProperty(what);
}

bool WindowPeer::handle(UINT msg, WPARAM, LPARAM lp, LRESULT&) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      ui::MouseButton b = msg == WM_LBUTTONDOWN   ? ui::MouseButton::Left
                          : msg == WM_RBUTTONDOWN ? ui::MouseButton::Right
                                                  : ui::MouseButton::Middle;
      UINT d = dpi();
      control_.mouseDown(b, unscaled(GET_X_LPARAM(lp), d), unscaled(GET_Y_LPARAM(lp), d), shiftNow());
      return false;  // the window's own handling goes on (a button still clicks)
    }
    default: return false;
  }
}

LRESULT CALLBACK WindowPeer::subclassProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowPeer*>(data);
  LRESULT result = 0;
  switch (msg) {
    case WM_COMMAND:
      if (lp) {
        if (WindowPeer* child = of(reinterpret_cast<HWND>(lp)); child && child != self) {
          child->command(HIWORD(wp));
          return 0;
        }
      }
      break;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lp);
      if (WindowPeer* child = of(header->hwndFrom); child && child != self) return child->notify(header);
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
      if (WindowPeer* child = of(reinterpret_cast<HWND>(lp)); child && child != self)
        if (HBRUSH b = child->ctlColor(reinterpret_cast<HDC>(wp), msg)) return reinterpret_cast<LRESULT>(b);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(w, subclassProc, kSubclassId);
      RemovePropW(w, kPeerProp);
      if (self->hwnd_ == w) self->hwnd_ = nullptr;
      return DefSubclassProc(w, msg, wp, lp);
    default: break;
  }
  if (self->handle(msg, wp, lp, result)) return result;
  return DefSubclassProc(w, msg, wp, lp);
}

// ---- Win32Backend ---------------------------------------------------------------

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS |
                                           ICC_PROGRESS_CLASS | ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  registerClasses();
}

Win32Backend::~Win32Backend() {
  for (auto& [key, f] : fonts_) DeleteObject(f);
  for (auto& [size, icon] : icons_) DestroyIcon(icon);
}

void Win32Backend::registerClasses() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = instance_;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kContainerClass;
  RegisterClassExW(&wc);
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kPaintedClass;
  RegisterClassExW(&wc);
  GridWindow::registerClass(instance_);
}

WindowPeer* Win32Backend::peerOf(const ui::Control* c) {
  return c ? dynamic_cast<WindowPeer*>(c->peer()) : nullptr;
}

FormPeer* Win32Backend::formPeer(const ui::Control& c) {
  for (const ui::Control* p = &c; p; p = p->parent())
    if (p->kind() == ui::Kind::Form) return dynamic_cast<FormPeer*>(p->peer());
  return nullptr;
}

std::unique_ptr<ui::ControlPeer> Win32Backend::createPeer(ui::Control& control) {
  if (control.kind() == ui::Kind::Form) return std::make_unique<FormPeer>(*this, static_cast<ui::Form&>(control));
  return makeControlPeer(*this, control);
}

void Win32Backend::show(ui::Form& form) {
  if (!main_) main_ = &form;
  if (FormPeer* p = formPeer(form)) p->showWindow();
}

void Win32Backend::outerSizeOnPrimary(const ui::Form& form, int& width, int& height) {
  UINT dpi = primaryMonitorDpi();
  RECT r{0, 0, scaled(form.clientWidth(), dpi), scaled(form.clientHeight(), dpi)};
  adjustWindowRect(r, FormPeer::styleOf(form), FormPeer::exStyleOf(form), dpi);
  width = r.right - r.left;
  height = r.bottom - r.top;
}

void Win32Backend::formHidden(ui::Form& form) {
  if (&form == main_) PostQuitMessage(0);
}

namespace {

// A key an edit's model asks for (Enter in the target CAD list fields) goes
// to the model before the dialog manager makes it a default-button press.
// A consumed key is not translated, so no character follows and the edit
// does not beep.
bool keyForEditModel(const MSG& msg) {
  if (msg.message != WM_KEYDOWN) return false;
  WindowPeer* peer = WindowPeer::of(msg.hwnd);
  if (!peer || peer->control().kind() != ui::Kind::Edit || !peer->control().onKeyDown) return false;
  ui::ShiftState shift{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
  return peer->control().keyDown(static_cast<ui::KeyCode>(msg.wParam), shift);
}

}  // namespace

ui::ModalResult Win32Backend::showModal(ui::Form& form) {
  FormPeer* p = formPeer(form);
  if (!p || !p->hwnd()) return ui::ModalResult::Cancel;
  HWND owner = GetWindow(p->hwnd(), GW_OWNER);
  p->showWindow();
  if (owner) EnableWindow(owner, FALSE);
  bool quit = false;
  int quitCode = 0;
  MSG msg;
  while (form.modalResult() == ui::ModalResult::None && IsWindow(p->hwnd())) {
    BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = true;
      quitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (keyForEditModel(msg)) continue;
    if (!IsDialogMessageW(p->hwnd(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  // Enable the owner before hiding, so activation returns to it.
  if (owner) EnableWindow(owner, TRUE);
  p->hideWindow();
  if (owner) SetActiveWindow(owner);
  if (quit) PostQuitMessage(quitCode);
  ui::ModalResult r = form.modalResult();
  return r == ui::ModalResult::None ? ui::ModalResult::Cancel : r;
}

void Win32Backend::processMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

int Win32Backend::run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    HWND top = main_ && peerOf(main_) ? peerOf(main_)->hwnd() : nullptr;
    if (keyForEditModel(msg)) continue;
    if (top && IsDialogMessageW(top, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

HFONT Win32Backend::font(const ui::Font& f, UINT dpi) {
  auto key = std::make_tuple(f.name, f.sizePx, f.bold, dpi);
  auto it = fonts_.find(key);
  if (it != fonts_.end()) return it->second;
  LOGFONTW lf{};
  // A negative height is the character height (the em), as the layout means.
  lf.lfHeight = -scaled(f.sizePx > 0 ? f.sizePx : 12, dpi);
  lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = SHIFTJIS_CHARSET;
  lf.lfQuality = DEFAULT_QUALITY;
  std::wstring name = text::toWide(f.name.empty() ? u"ＭＳ Ｐゴシック" : f.name);
  wcsncpy(lf.lfFaceName, name.c_str(), LF_FACESIZE - 1);
  HFONT h = CreateFontIndirectW(&lf);
  fonts_[key] = h;
  return h;
}

HICON Win32Backend::programIcon(int size) {
  auto& icon = icons_[size];
  if (!icon)
    icon = static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  return icon;
}

}  // namespace surva::win32
