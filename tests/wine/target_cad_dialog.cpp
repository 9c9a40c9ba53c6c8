// The target CAD list dialog of surva.exe: "編集" opens it, "追加" writes the
// list file at once, OK names the target in the main window's caption, and
// Enter in a field changes the entry, and the next start finds the name
// again in the list.
#include <fstream>
#include <iterator>

#include "e2e.h"

namespace {

std::string readAll(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<HWND> edits(HWND top) {
  std::vector<HWND> out;
  for (const auto& c : e2e::children(top))
    if (_wcsicmp(c.className.c_str(), L"Edit") == 0) out.push_back(c.hwnd);
  return out;
}

}  // namespace

int main() {
  return e2e::run([] {
    std::wstring folder = e2e::freshFolder(L"target-cad");
    std::wstring exe = e2e::copyInto(e2e::survaExe(), folder);
    std::wstring list = folder + L"TargetCAD_APIVersion.txt";

    e2e::Process app = e2e::startProgram(exe);
    HWND w = e2e::mainWindow(app);
    E2E_REQUIRE(w);
    HWND edit = e2e::child(w, L"編集");
    E2E_REQUIRE(edit);
    // Posted: the click runs the dialog's modal loop inside the program.
    PostMessageW(edit, BM_CLICK, 0, 0);
    HWND dlg = e2e::waitForProcessWindow(app.id(), [](HWND h) { return e2e::text(h) == L"ターゲット CAD"; });
    E2E_REQUIRE(dlg);
    auto fields = edits(dlg);
    E2E_REQUIRE(fields.size() == 2);
    e2e::send(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"GstarCAD 2023"));
    e2e::send(fields[1], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Gcad.Application.23"));
    HWND add = e2e::child(dlg, L"追加");
    E2E_REQUIRE(add);
    e2e::send(add, BM_CLICK);
    E2E_CHECK(readAll(list) == "GstarCAD 2023\tGcad.Application.23\r\n");
    // Enter in the name field runs "変更" and leaves the dialog open.
    e2e::send(fields[0], WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"GstarCAD 2024"));
    PostMessageW(fields[0], WM_KEYDOWN, VK_RETURN, 1);
    PostMessageW(fields[0], WM_KEYUP, VK_RETURN, 0xC0000001);
    E2E_CHECK(e2e::waitUntil([&] { return readAll(list) == "GstarCAD 2024\tGcad.Application.23\r\n"; }, 3000));
    E2E_CHECK(IsWindowVisible(dlg));
    HWND ok = e2e::child(dlg, L"OK");
    E2E_REQUIRE(ok);
    PostMessageW(ok, BM_CLICK, 0, 0);
    E2E_CHECK(e2e::waitUntil([&] { return e2e::text(w) == L"Surva2024.2.21 [ GstarCAD 2024 ]"; }));
    E2E_CHECK(e2e::waitUntil([&] { return !IsWindowVisible(dlg); }));
    e2e::send(w, WM_CLOSE);
    E2E_REQUIRE(app.wait().has_value());

    app = e2e::startProgram(exe);
    w = e2e::mainWindow(app);
    E2E_REQUIRE(w);
    E2E_CHECK_EQ(e2e::text(w), std::wstring(L"Surva2024.2.21 [ GstarCAD 2024 ]"));
    e2e::send(w, WM_CLOSE);
    E2E_CHECK(app.wait().has_value());
  });
}
