// An "IME off" field keeps its input method: focus switches it off, and the
// user may switch it on again to type Japanese.
#include "e2e.h"  // windows.h first

#include <imm.h>
#include "ui/controls.h"
#include "win32/backend.h"

namespace {

bool imeOpen(HWND w) {
  HIMC ime = ImmGetContext(w);
  if (!ime) return false;
  bool open = ImmGetOpenStatus(ime) != FALSE;
  ImmReleaseContext(w, ime);
  return open;
}

}  // namespace

int main() {
  return e2e::run([] {
    using namespace surva;
    win32::Win32Backend backend(GetModuleHandleW(nullptr));
    ui::Form form(u"ImeTest", &backend);
    form.setBounds({0, 0, 200, 100});
    auto& plain = form.create<ui::Edit>(u"Plain");
    plain.setBounds({4, 4, 80, 21});
    auto& ascii = form.create<ui::Edit>(u"Ascii");
    ascii.setBounds({4, 40, 80, 21});
    ascii.setImeOff(true);
    form.show();
    backend.processMessages();
    HWND p = win32::Win32Backend::peerOf(&plain)->hwnd();
    HWND a = win32::Win32Backend::peerOf(&ascii)->hwnd();

    HIMC ime = ImmGetContext(a);
    E2E_REQUIRE(ime != nullptr);  // the field still has an input method
    ImmSetOpenStatus(ime, TRUE);
    ImmReleaseContext(a, ime);
    SetFocus(p);
    SetFocus(a);
    backend.processMessages();
    E2E_CHECK(!imeOpen(a));  // switched off on focus
    ime = ImmGetContext(a);
    ImmSetOpenStatus(ime, TRUE);  // the user switches it on
    ImmReleaseContext(a, ime);
    backend.processMessages();
    E2E_CHECK(imeOpen(a));
  });
}
