// surva.exe keeps its settings across a restart: a value changed in the
// window is written to surva.ini when the window closes and is back in the
// window at the next start. The end of the user's session saves them too.
#include <fstream>
#include <iterator>

#include "e2e.h"

namespace {

// The edit on the same row as, and right of, the label with this caption.
HWND editRightOf(HWND top, const std::wstring& labelCaption) {
  auto all = e2e::children(top);
  const e2e::Child* label = nullptr;
  for (const auto& c : all)
    if (c.text == labelCaption) label = &c;
  if (!label) return nullptr;
  HWND best = nullptr;
  long bestGap = 1 << 30;
  for (const auto& c : all) {
    if (_wcsicmp(c.className.c_str(), L"Edit") != 0) continue;
    long rowGap = std::labs((c.rect.top + c.rect.bottom) / 2 - (label->rect.top + label->rect.bottom) / 2);
    long gap = c.rect.left - label->rect.right;
    if (rowGap <= 6 && gap >= 0 && gap < bestGap) {
      bestGap = gap;
      best = c.hwnd;
    }
  }
  return best;
}

std::string readAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

HWND startAndFindWindow(e2e::Process& app, const std::wstring& exe) {
  app = e2e::startProgram(exe);
  return e2e::mainWindow(app);
}

}  // namespace

int main() {
  return e2e::run([] {
    std::wstring folder = e2e::freshFolder(L"settings");
    std::wstring exe = e2e::copyInto(e2e::survaExe(), folder);
    std::wstring ini = folder + L"surva.ini";

    e2e::Process app;
    HWND w = startAndFindWindow(app, exe);
    E2E_REQUIRE(w);
    E2E_CHECK_EQ(e2e::text(w), std::wstring(L"Surva2023"));
    // The first start centres the window as the system frames it.
    RECT first{};
    GetWindowRect(w, &first);
    const long width = first.right - first.left, height = first.bottom - first.top;
    E2E_CHECK_EQ(first.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
    E2E_CHECK_EQ(first.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
    HWND radius = editRightOf(w, L"半径");
    E2E_REQUIRE(radius);
    E2E_CHECK_EQ(e2e::text(radius), std::wstring(L"5.0"));  // the default, not the design's "5"
    e2e::send(radius, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"7"));
    // The user moves the window; its place is saved too.
    SetWindowPos(w, nullptr, 100, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    e2e::settle(w);
    e2e::send(w, WM_CLOSE);
    E2E_REQUIRE(app.wait().has_value());

    std::string written = readAll(ini);
    E2E_CHECK(written.find("[Form]\r\nLeft=100\r\nTop=120\r\n") == 0);
    E2E_CHECK(written.find("[TextSize]\r\n") != std::string::npos);
    E2E_CHECK(written.find("CIRCLE=7\r\nKetasuu=3\r\n") != std::string::npos);
    E2E_CHECK(written.find("[Target]\r\nProgID=Gcad.Application.23\r\n") != std::string::npos);

    w = startAndFindWindow(app, exe);
    E2E_REQUIRE(w);
    radius = editRightOf(w, L"半径");
    E2E_REQUIRE(radius);
    E2E_CHECK_EQ(e2e::text(radius), std::wstring(L"7"));
    RECT r{};
    GetWindowRect(w, &r);
    E2E_CHECK_EQ(r.left, 100L);
    E2E_CHECK_EQ(r.top, 120L);

    // Log off: the system asks, then ends the session without WM_CLOSE.
    e2e::send(radius, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"6"));
    E2E_CHECK_EQ(e2e::send(w, WM_QUERYENDSESSION, 0, 0), LRESULT{TRUE});
    e2e::send(w, WM_ENDSESSION, TRUE, 0);
    E2E_CHECK(readAll(ini).find("CIRCLE=6\r\n") != std::string::npos);
    E2E_CHECK(app.wait().has_value());

    // A stored place far off the screen is pulled back to its edges.
    std::string moved = readAll(ini);
    moved.replace(0, moved.find("[Excel]"), "[Form]\r\nLeft=5000\r\nTop=5000\r\n\r\n");
    std::ofstream(ini.c_str(), std::ios::binary) << moved;
    w = startAndFindWindow(app, exe);
    E2E_REQUIRE(w);
    GetWindowRect(w, &r);
    E2E_CHECK_EQ(r.right, static_cast<long>(GetSystemMetrics(SM_CXSCREEN)));
    E2E_CHECK_EQ(r.bottom, static_cast<long>(GetSystemMetrics(SM_CYSCREEN)));
    e2e::send(w, WM_CLOSE);
    E2E_CHECK(app.wait().has_value());
  });
}
