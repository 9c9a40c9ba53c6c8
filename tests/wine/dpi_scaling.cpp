// Per-monitor DPI: when the window moves to a 144-DPI monitor every bound,
// the client size and the grid's hit-testing scale by 1.5 (the layout is
// at 96 DPI).
#include "e2e.h"
#include "ui/controls.h"
#include "win32/backend.h"

namespace {

using namespace surva;

RECT rectIn(HWND w, HWND parent) {
  RECT r;
  GetWindowRect(w, &r);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

int main() {
  return e2e::run([] {
    win32::Win32Backend backend(GetModuleHandleW(nullptr));
    ui::Form form(u"DpiTest", &backend);
    form.setBounds({0, 0, 200, 150});
    form.setBorderStyle(ui::BorderStyle::Single);
    auto& group = form.create<ui::GroupBox>(u"Group");
    group.setBounds({4, 4, 120, 60});
    auto& button = form.create<ui::Button>(u"Button", &group);
    button.setBounds({10, 20, 60, 24});
    button.setText(u"OK");
    auto& grid = form.create<ui::StringGrid>(u"Grid");
    grid.setBounds({0, 70, 200, 80});
    grid.setDefaultRowHeight(19);
    grid.setOptions({.rangeSelect = true, .flat = true});
    grid.cells().setRowCount(10);
    grid.setDefaultColWidth(50);
    form.show();
    backend.processMessages();

    HWND top = win32::Win32Backend::peerOf(&form)->hwnd();
    HWND b = win32::Win32Backend::peerOf(&button)->hwnd();
    HWND g = win32::Win32Backend::peerOf(&grid)->hwnd();
    E2E_CHECK_EQ(e2e::clientSize(top).cx, 200L);
    RECT r = rectIn(b, GetParent(b));
    E2E_CHECK_EQ(r.left, 10L);
    E2E_CHECK_EQ(r.right - r.left, 60L);

    RECT outer;
    GetWindowRect(top, &outer);
    RECT suggested{outer.left, outer.top, outer.left + (outer.right - outer.left) * 3 / 2,
                   outer.top + (outer.bottom - outer.top) * 3 / 2};
    SendMessageW(top, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    backend.processMessages();

    E2E_CHECK_EQ(e2e::clientSize(top).cx, 300L);
    E2E_CHECK_EQ(e2e::clientSize(top).cy, 225L);
    r = rectIn(b, GetParent(b));
    E2E_CHECK_EQ(r.left, 15L);
    E2E_CHECK_EQ(r.top, 30L);
    E2E_CHECK_EQ(r.right - r.left, 90L);
    E2E_CHECK_EQ(r.bottom - r.top, 36L);
    r = rectIn(g, top);
    E2E_CHECK_EQ(r.top, 105L);
    E2E_CHECK_EQ(r.right - r.left, 300L);

    // A click at the scaled place of cell (1, 2) lands on it.
    LPARAM at = MAKELPARAM(75 + 10, 2 * 28 + 10);  // 50 * 1.5 = 75, 19 * 1.5 = 28.5
    SendMessageW(g, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(g, WM_LBUTTONUP, 0, at);
    E2E_CHECK_EQ(e2e::gridInfo(g, surva::win32::kGridInfoCol), 1LL);
    E2E_CHECK_EQ(e2e::gridInfo(g, surva::win32::kGridInfoRow), 2LL);

    // Bounds set by the program afterwards are scaled too.
    button.setBounds({20, 20, 40, 24});
    r = rectIn(b, GetParent(b));
    E2E_CHECK_EQ(r.left, 30L);
    E2E_CHECK_EQ(r.right - r.left, 60L);
  });
}
