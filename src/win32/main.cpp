// Entry point of surva.exe: the Windows services, the control backend and
// the program (main window, its start-up, the target CAD list dialog),
// then the message loop until the main window closes.
#include <windows.h>
#include <ole2.h>

#include "app/program.h"
#include "win32/backend.h"
#include "win32/com_automation.h"
#include "win32/dpi.h"
#include "win32/filter_registration.h"
#include "win32/services.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace surva;
  win32::enablePerMonitorDpi();
  // A single-threaded apartment with OLE: automation calls and the message
  // filter run on the user-interface thread.
  HRESULT ole = OleInitialize(nullptr);
  int rc = 0;
  {
    auto services = win32::makeServices();
    win32::ComAutomation automation;
    platform::Services bundle = services->bundle(&automation);
    win32::FilterRegistration filter;
    win32::Win32Backend backend(instance);
    app::Program program(bundle, &backend, &filter);
    app::MainForm& form = program.mainForm();
    form.show();
    if (win32::WindowPeer* p = win32::Win32Backend::peerOf(&form)) services->setOwner(p->hwnd());
    rc = backend.run();
  }
  if (SUCCEEDED(ole)) OleUninitialize();
  return rc;
}
