#include "win32/control_peers.h"

#include <commctrl.h>
#include <imm.h>

#include "win32/grid_window.h"

namespace surva::win32 {

namespace {

std::wstring wide(const text::u16& s) { return text::toWide(s); }

std::wstring windowText(HWND w) {
  int n = GetWindowTextLengthW(w);
  std::wstring s(n + 1, L'\0');
  s.resize(GetWindowTextW(w, s.data(), n + 1));
  return s;
}

// A peer whose window is created from a class, style and caption.
class SimplePeer : public WindowPeer {
 public:
  using WindowPeer::WindowPeer;
  void create(const wchar_t* cls, DWORD style, DWORD exStyle = 0) {
    const ui::Rect& r = control().bounds();
    HWND w = CreateWindowExW(exStyle, cls, wide(control().text()).c_str(), childStyle() | style, px(r.left),
                             px(r.top), px(r.width), px(r.height), parentWindow(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(nextId())), backend().instance(), nullptr);
    attach(w);
  }
};

class ContainerPeer : public SimplePeer {
 public:
  ContainerPeer(Win32Backend& b, ui::Control& c) : SimplePeer(b, c) {
    create(kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  }
};

class TabSheetPeer : public SimplePeer {
 public:
  TabSheetPeer(Win32Backend& b, ui::Control& c) : SimplePeer(b, c) {
    create(kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    if (HWND tab = parentWindow()) {
      std::wstring caption = wide(control().text());
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      SendMessageW(tab, TCM_INSERTITEMW, index(), reinterpret_cast<LPARAM>(&item));
    }
    // Tabs above pages: the page sits in the tab control's display area.
    applyVisible();
  }
  int index() const {
    auto* pc = static_cast<ui::PageControl*>(control().parent());
    auto pages = pc->pages();
    for (std::size_t i = 0; i < pages.size(); ++i)
      if (pages[i] == &control()) return static_cast<int>(i);
    return 0;
  }

 protected:
  bool shown() const override {
    auto* pc = dynamic_cast<ui::PageControl*>(control().parent());
    return pc && pc->activePage() == &control();
  }
  void onProperty(ui::Property what) override {
    if (what != ui::Property::Text) return;
    std::wstring caption = wide(control().text());
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendMessageW(parentWindow(), TCM_SETITEMW, index(), reinterpret_cast<LPARAM>(&item));
  }
};

class PageControlPeer : public SimplePeer {
 public:
  PageControlPeer(Win32Backend& b, ui::PageControl& c) : SimplePeer(b, c), pages_(c) {
    create(WC_TABCONTROLW, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    // Narrow padding, so that the six captions fit the window's width.
    SendMessageW(hwnd(), TCM_SETPADDING, 0, MAKELPARAM(px(4), px(3)));
  }
  LRESULT notify(NMHDR* h) override {
    if (h->code == TCN_SELCHANGE) {
      int sel = static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0));
      pages_.setActivePageIndex(sel);
      sync();
    }
    return 0;
  }

 protected:
  void onProperty(ui::Property what) override {
    if (what == ui::Property::ActivePage) sync();
  }

 private:
  void sync() {
    if (SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0) != pages_.activePageIndex())
      SendMessageW(hwnd(), TCM_SETCURSEL, pages_.activePageIndex(), 0);
    for (ui::TabSheet* p : pages_.pages())
      if (WindowPeer* peer = Win32Backend::peerOf(p)) peer->applyVisible();
  }
  ui::PageControl& pages_;
};

class GroupBoxPeer : public SimplePeer {
 public:
  GroupBoxPeer(Win32Backend& b, ui::Control& c) : SimplePeer(b, c) {
    create(L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
    SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) & ~WS_TABSTOP);
  }
  bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    // A group box lets the mouse through to its parent; its children must
    // still get it.
    if (msg == WM_NCHITTEST) {
      result = HTCLIENT;
      return true;
    }
    if (msg == WM_ERASEBKGND) {
      RECT r;
      GetClientRect(hwnd(), &r);
      FillRect(reinterpret_cast<HDC>(wp), &r, GetSysColorBrush(COLOR_BTNFACE));
      result = 1;
      return true;
    }
    return SimplePeer::handle(msg, wp, lp, result);
  }
};

// Paints a window's client area in the dialog face colour, then `draw` on top.
template <typename Draw>
void paintOnFace(HWND w, Draw draw) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(w, &ps);
  RECT r;
  GetClientRect(w, &r);
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  draw(dc, r);
  EndPaint(w, &ps);
}

class PanelPeer : public SimplePeer {
 public:
  PanelPeer(Win32Backend& b, ui::Panel& c) : SimplePeer(b, c), panel_(c) {
    create(kContainerClass, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
  }
  bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_PAINT) {
      paintOnFace(hwnd(), [&](HDC dc, RECT& r) {
        UINT edge = 0;
        if (panel_.bevelOuter() == ui::Bevel::Raised) edge |= BDR_RAISEDOUTER;
        if (panel_.bevelOuter() == ui::Bevel::Lowered) edge |= BDR_SUNKENOUTER;
        if (panel_.bevelInner() == ui::Bevel::Raised) edge |= BDR_RAISEDINNER;
        if (panel_.bevelInner() == ui::Bevel::Lowered) edge |= BDR_SUNKENINNER;
        if (edge) DrawEdge(dc, &r, edge, BF_RECT);
      });
      result = 0;
      return true;
    }
    return SimplePeer::handle(msg, wp, lp, result);
  }

 private:
  ui::Panel& panel_;
};

class ImagePeer : public SimplePeer {
 public:
  ImagePeer(Win32Backend& b, ui::Image& c) : SimplePeer(b, c), image_(c) { create(kPaintedClass, 0); }
  bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_PAINT) {
      paintOnFace(hwnd(), [&](HDC dc, RECT& r) {
        HICON icon = backend().programIcon(image_.stretch() ? 48 : 32);
        if (image_.stretch())
          DrawIconEx(dc, 0, 0, icon, r.right, r.bottom, 0, nullptr, DI_NORMAL);
        else
          DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL);
      });
      result = 0;
      return true;
    }
    return SimplePeer::handle(msg, wp, lp, result);
  }

 private:
  ui::Image& image_;
};

class LabelPeer : public SimplePeer {
 public:
  LabelPeer(Win32Backend& b, ui::Label& c) : SimplePeer(b, c) {
    DWORD align = c.alignment() == ui::Align::Center  ? SS_CENTER
                  : c.alignment() == ui::Align::Right ? SS_RIGHT
                                                      : SS_LEFTNOWORDWRAP;
    create(L"STATIC", align | SS_NOPREFIX);
    SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) & ~WS_TABSTOP);
  }
};

class ButtonPeer : public SimplePeer {
 public:
  ButtonPeer(Win32Backend& b, ui::Button& c) : SimplePeer(b, c), button_(c) {
    DWORD style = c.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    if (c.kind() == ui::Kind::SpeedButton) style |= BS_FLAT;
    create(L"BUTTON", style);
  }
  void command(WORD code) override {
    if (code == BN_CLICKED) button_.click();
  }

 private:
  ui::Button& button_;
};

class CheckBoxPeer : public SimplePeer {
 public:
  CheckBoxPeer(Win32Backend& b, ui::CheckBox& c) : SimplePeer(b, c), box_(c) {
    // Not an automatic check box: the model decides the state.
    create(L"BUTTON", BS_CHECKBOX);
    sync();
  }
  void command(WORD code) override {
    if (code == BN_CLICKED) box_.click();
    sync();
  }

 protected:
  void onProperty(ui::Property what) override {
    if (what == ui::Property::Checked) sync();
  }

 private:
  void sync() {
    WPARAM want = box_.checked() ? BST_CHECKED : BST_UNCHECKED;
    if (static_cast<WPARAM>(SendMessageW(hwnd(), BM_GETCHECK, 0, 0)) != want) SendMessageW(hwnd(), BM_SETCHECK, want, 0);
  }
  ui::CheckBox& box_;
};

class EditPeer : public SimplePeer {
 public:
  EditPeer(Win32Backend& b, ui::Edit& c) : SimplePeer(b, c), edit_(c) {
    DWORD align = c.alignment() == ui::Align::Center ? ES_CENTER : c.alignment() == ui::Align::Right ? ES_RIGHT : ES_LEFT;
    applying_ = true;
    create(L"EDIT", ES_AUTOHSCROLL | align | (c.readOnly() ? ES_READONLY : 0), WS_EX_CLIENTEDGE);
    applying_ = false;
  }
  void command(WORD code) override {
    if (code == EN_CHANGE && !applying_) edit_.setText(text::fromWide(windowText(hwnd())));
  }
  bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    if (msg == WM_SETFOCUS && edit_.imeOff()) switchImeOff();
    return SimplePeer::handle(msg, wp, lp, result);
  }

 protected:
  void onProperty(ui::Property what) override {
    if (what == ui::Property::ReadOnly) SendMessageW(hwnd(), EM_SETREADONLY, edit_.readOnly(), 0);
    if (what == ui::Property::ImeMode && edit_.imeOff() && GetFocus() == hwnd()) switchImeOff();
    if (what == ui::Property::Enabled) InvalidateRect(hwnd(), nullptr, TRUE);
  }

 private:
  // Plain ASCII fields: the input method is switched off as the field gets
  // the focus, and stays there for the user to switch on.
  void switchImeOff() {
    if (HIMC ime = ImmGetContext(hwnd())) {
      ImmSetOpenStatus(ime, FALSE);
      ImmReleaseContext(hwnd(), ime);
    }
  }

  ui::Edit& edit_;
};

class UpDownPeer : public SimplePeer {
 public:
  UpDownPeer(Win32Backend& b, ui::UpDown& c) : SimplePeer(b, c), updown_(c) {
    create(UPDOWN_CLASSW, c.orientation() == ui::Orientation::Horizontal ? UDS_HORZ : 0);
    SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) & ~WS_TABSTOP);
    sync();
  }
  LRESULT notify(NMHDR* h) override {
    if (h->code == UDN_DELTAPOS) {
      auto* nm = reinterpret_cast<NMUPDOWN*>(h);
      updown_.click(nm->iDelta > 0 ? ui::UpDownButton::Up : ui::UpDownButton::Down);
      sync();
      return 1;  // the model moved the position; the window must not
    }
    return 0;
  }
  bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override {
    // A driver (or a test) setting the position from outside moves the model.
    if ((msg == UDM_SETPOS32 || msg == UDM_SETPOS) && !applying_) {
      int pos = msg == UDM_SETPOS32 ? static_cast<int>(lp) : static_cast<short>(LOWORD(lp));
      result = updown_.position();
      updown_.setPosition(pos);
      sync();
      return true;
    }
    return SimplePeer::handle(msg, wp, lp, result);
  }

 protected:
  void onProperty(ui::Property what) override {
    if (what == ui::Property::Range || what == ui::Property::Position) sync();
  }

 private:
  void sync() {
    applying_ = true;
    SendMessageW(hwnd(), UDM_SETRANGE32, updown_.min(), updown_.max());
    SendMessageW(hwnd(), UDM_SETPOS32, 0, updown_.position());
    applying_ = false;
  }
  ui::UpDown& updown_;
};

class ListBoxPeer : public SimplePeer {
 public:
  ListBoxPeer(Win32Backend& b, ui::ListBox& c) : SimplePeer(b, c), list_(c) {
    create(L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL, WS_EX_CLIENTEDGE);
    fill();
  }
  void command(WORD code) override {
    int sel = static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
    if (code == LBN_SELCHANGE) list_.click(sel);
    if (code == LBN_DBLCLK) list_.doubleClick(sel);
  }

 protected:
  void onProperty(ui::Property what) override {
    if (what == ui::Property::Items) fill();
    if (what == ui::Property::ItemIndex) SendMessageW(hwnd(), LB_SETCURSEL, list_.itemIndex(), 0);
  }

 private:
  void fill() {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
    for (const auto& item : list_.items())
      SendMessageW(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item).c_str()));
    SendMessageW(hwnd(), LB_SETCURSEL, list_.itemIndex(), 0);
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  ui::ListBox& list_;
};

class ProgressBarPeer : public SimplePeer {
 public:
  ProgressBarPeer(Win32Backend& b, ui::ProgressBar& c) : SimplePeer(b, c), bar_(c) {
    create(PROGRESS_CLASSW, 0);
    SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) & ~WS_TABSTOP);
    sync();
  }

 protected:
  void onProperty(ui::Property what) override {
    if (what == ui::Property::Range || what == ui::Property::Position) sync();
  }

 private:
  void sync() {
    SendMessageW(hwnd(), PBM_SETRANGE32, bar_.min(), bar_.max());
    SendMessageW(hwnd(), PBM_SETPOS, bar_.position(), 0);
  }
  ui::ProgressBar& bar_;
};

class StatusBarPeer : public SimplePeer {
 public:
  StatusBarPeer(Win32Backend& b, ui::StatusBar& c) : SimplePeer(b, c), bar_(c) {
    // Placed by the layout, not glued to the bottom of the parent.
    create(STATUSCLASSNAMEW, CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER);
    SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) & ~WS_TABSTOP);
    sync();
  }
  void rescale() override {
    SimplePeer::rescale();
    sync();
  }

 protected:
  void onProperty(ui::Property what) override {
    if (what == ui::Property::Items) sync();
  }

 private:
  void sync() {
    const auto& panels = bar_.panels();
    std::vector<int> rights;
    int x = 0;
    for (const auto& p : panels) rights.push_back(x += px(p.width));
    if (rights.empty()) rights.push_back(-1);
    SendMessageW(hwnd(), SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
    for (std::size_t i = 0; i < panels.size(); ++i)
      SendMessageW(hwnd(), SB_SETTEXTW, i, reinterpret_cast<LPARAM>(wide(panels[i].text).c_str()));
  }
  ui::StatusBar& bar_;
};

}  // namespace

std::unique_ptr<ui::ControlPeer> makeControlPeer(Win32Backend& b, ui::Control& c) {
  using K = ui::Kind;
  switch (c.kind()) {
    case K::PageControl: return std::make_unique<PageControlPeer>(b, static_cast<ui::PageControl&>(c));
    case K::TabSheet: return std::make_unique<TabSheetPeer>(b, c);
    case K::GroupBox: return std::make_unique<GroupBoxPeer>(b, c);
    case K::Panel: return std::make_unique<PanelPeer>(b, static_cast<ui::Panel&>(c));
    case K::Label: return std::make_unique<LabelPeer>(b, static_cast<ui::Label&>(c));
    case K::Image: return std::make_unique<ImagePeer>(b, static_cast<ui::Image&>(c));
    case K::Edit: return std::make_unique<EditPeer>(b, static_cast<ui::Edit&>(c));
    case K::UpDown: return std::make_unique<UpDownPeer>(b, static_cast<ui::UpDown&>(c));
    case K::CheckBox: return std::make_unique<CheckBoxPeer>(b, static_cast<ui::CheckBox&>(c));
    case K::Button:
    case K::SpeedButton: return std::make_unique<ButtonPeer>(b, static_cast<ui::Button&>(c));
    case K::ListBox: return std::make_unique<ListBoxPeer>(b, static_cast<ui::ListBox&>(c));
    case K::ProgressBar: return std::make_unique<ProgressBarPeer>(b, static_cast<ui::ProgressBar&>(c));
    case K::StatusBar: return std::make_unique<StatusBarPeer>(b, static_cast<ui::StatusBar&>(c));
    case K::StringGrid: return std::make_unique<GridWindow>(b, static_cast<ui::StringGrid&>(c));
    case K::PopupMenu:
    case K::MenuItem:
    case K::Form: return nullptr;
  }
  return nullptr;
}

void trackPopupMenu(ui::PopupMenu& menu, HWND owner, POINT pt) {
  HMENU h = CreatePopupMenu();
  auto items = menu.items();
  for (std::size_t i = 0; i < items.size(); ++i) {
    ui::MenuItem* item = items[i];
    if (!item->visible()) continue;
    if (item->isSeparator()) {
      AppendMenuW(h, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    UINT flags = MF_STRING | (item->enabled() ? 0 : MF_GRAYED);
    AppendMenuW(h, flags, i + 1, wide(item->text()).c_str());
  }
  UINT chosen = TrackPopupMenu(h, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN | TPM_TOPALIGN, pt.x, pt.y, 0,
                               owner, nullptr);
  DestroyMenu(h);
  if (chosen > 0 && chosen <= items.size()) items[chosen - 1]->click();
}

}  // namespace surva::win32
