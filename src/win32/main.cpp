// Entry point of surva.exe: the Windows services, the control backend and
// the main window, then the message loop until the main window closes.
#include <windows.h>
#include <ole2.h>

#include "app/app_state.h"
#include "app/main_form.h"
#include "win32/backend.h"
#include "win32/dpi.h"
#include "win32/services.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace surva;
  win32::enablePerMonitorDpi();
  // A single-threaded apartment: automation calls and the message filter
  // run on the user-interface thread.
  HRESULT ole = OleInitialize(nullptr);
  int rc = 0;
  {
    auto services = win32::makeServices();
    platform::Services bundle = services->bundle();
    app::AppState state;
    win32::Win32Backend backend(instance);
    app::MainForm form(bundle, state, &backend);
    form.startUp();
    form.show();
    if (win32::WindowPeer* p = win32::Win32Backend::peerOf(&form)) services->setOwner(p->hwnd());
    rc = backend.run();
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return rc;
}
