// The tour of the main job, as a new user would do it by hand: read the
// sample SIMA file, plot it into the stand-in CAD, draw the coordinate
// table, harvest the drawn points back with their station names by
// dragging a window in the CAD, and write the list to the stand-in
// spreadsheet. Each step is checked, and pictures of Surva and of the
// CAD's drawing are saved after it.
//
//   tour_main_job [output folder]     (default: build/tour)
//
// Prints one line per step (PASS / FAIL / SKIP, what happened, the
// pictures as .bmp; scripts/tour.sh turns them into .png). Also leaves
// plot.dxf (the exchange file of the plot) and plot-entities.txt (the
// stand-in's entities after it) for the independent DXF reader.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "e2e.h"
#include "platform/automation.h"
#include "text/u16.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "wine/cad_sim_process.h"

namespace {

using surva::platform::Object;
using surva::platform::Variant;
using surva::platform::VariantArray;

std::wstring outFolder;
HWND survaWindow = nullptr;
HWND cadWindow = nullptr;
HWND sheetWindow = nullptr;

struct Skip {
  std::string why;
};

std::wstring wide(const std::u16string& s) { return std::wstring(s.begin(), s.end()); }
std::string utf8(const std::u16string& s) { return e2e::narrow(wide(s)); }

// ---- pictures ---------------------------------------------------------------

// The window as it shows on the screen, as a 24-bit BMP file.
bool saveWindowPicture(HWND w, const std::wstring& path) {
  RECT r;
  if (!w || !GetWindowRect(w, &r)) return false;
  int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return false;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  BitBlt(dc, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER fh{};
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
  fh.bfSize = fh.bfOffBits + stride * height;
  bool ok = false;
  if (FILE* f = _wfopen(path.c_str(), L"wb")) {
    ok = fwrite(&fh, sizeof fh, 1, f) == 1 && fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
         fwrite(bits, stride, height, f) == static_cast<size_t>(height);
    fclose(f);
  }
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return ok;
}

// Pictures of Surva and of the CAD after a step; their names for the step's line.
std::string pictures(const std::wstring& stem, bool withSheet = false) {
  // Every window repaints after the last change (Surva may just have come
  // back from being minimised).
  e2e::waitUntil([] { return !IsIconic(survaWindow); }, 5000);
  for (HWND w : {survaWindow, cadWindow, sheetWindow}) {
    if (!w) continue;
    RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    e2e::settle(w);
  }
  Sleep(500);
  std::string names;
  auto save = [&](HWND w, const wchar_t* what) {
    std::wstring name = stem + L"-" + what + L".bmp";
    if (saveWindowPicture(w, outFolder + name)) names += (names.empty() ? "" : ", ") + e2e::narrow(name);
  };
  save(survaWindow, L"surva");
  save(cadWindow, L"cad");
  if (withSheet) save(sheetWindow, L"sheet");
  return names;
}

// ---- Surva's window ---------------------------------------------------------------

void showTab(int index) {
  e2e::send(e2e::childOfClass(survaWindow, L"SysTabControl32"), 0x1330 /* TCM_SETCURFOCUS */, index);
  RedrawWindow(survaWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

HWND button(const std::wstring& caption) {
  HWND b = e2e::child(survaWindow, caption, L"Button");
  if (!b) throw Skip{"Surva has no button " + e2e::narrow(caption)};
  return b;
}

// Clicks a button as a person does, without waiting for its command to end.
void press(const std::wstring& caption) { PostMessageW(button(caption), BM_CLICK, 0, 0); }

// Found once: looking it up goes through every control of the window.
HWND mainList() {
  static HWND list = e2e::grids(survaWindow).at(0);
  return list;
}

long long listRows() { return e2e::gridInfo(mainList(), surva::win32::kGridInfoRowCount) - 1; }

// The sample's points as the main list holds them (X east, Y north).
struct SamplePoint {
  const wchar_t *name, *x, *y, *z;
};
const SamplePoint kSample[] = {
    {L"境界-1", L"2020.110", L"1012.345", L"15.200"}, {L"境界-2", L"2035.552", L"1030.870", L"15.620"},
    {L"境界-3", L"2062.008", L"1025.413", L"16.050"}, {L"境界-4", L"2058.774", L"1003.129", L"15.910"},
    {L"境界-5", L"2031.245", L"998.502", L"15.400"},  {L"基準-1", L"2010.000", L"985.000", L"14.850"},
    {L"基準-2", L"2015.750", L"1045.250", L"15.980"}, {L"基準-3", L"2070.300", L"1040.100", L"16.330"},
};

// The sample pasted into the main list's first row.
void pasteSample() {
  std::wstring rows;
  for (const auto& p : kSample) rows += std::wstring(p.name) + L"\t" + p.x + L"\t" + p.y + L"\t" + p.z + L"\r\n";
  e2e::putClipboardText(rows);
  HWND list = mainList();
  e2e::bringToFront(survaWindow);
  LPARAM firstCell = MAKELPARAM(30, 19 + 9);
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, firstCell);
  PostMessageW(list, WM_LBUTTONUP, 0, firstCell);
  e2e::settle(list);
  e2e::pressWith(VK_CONTROL, 'V');
}

// A dialog window of Surva's process (an open dialog, a message box).
HWND dialogOf(DWORD pid) {
  struct Ctx {
    DWORD pid;
    HWND found;
  } ctx{pid, nullptr};
  EnumWindows(
      [](HWND w, LPARAM lp) -> BOOL {
        auto* c = reinterpret_cast<Ctx*>(lp);
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == c->pid && IsWindowVisible(w) && e2e::className(w) == L"#32770") {
          c->found = w;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&ctx));
  return ctx.found;
}

// Answers an open dialog with a file name, as a person types it.
bool openInDialog(HWND dialog, const std::wstring& path) {
  HWND name = GetDlgItem(dialog, 1148);  // the file name box (cmb13)
  if (!name) name = GetDlgItem(dialog, 1152);  // older dialogs (edt1)
  if (!name) return false;
  HWND edit = e2e::className(name) == L"ComboBox" ? FindWindowExW(name, nullptr, L"Edit", nullptr) : name;
  e2e::send(edit ? edit : name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return true;
}

// ---- the CAD ---------------------------------------------------------------------------

bool cadWaitsForPerson() { return GetPropW(cadWindow, L"SurvaSimWaits") != nullptr; }

LPARAM clientAt(Object& cad, double x, double y) {
  auto p = cad.call(u"SimToScreen", {Variant::point(x, y, 0)}).toArray();
  return MAKELPARAM(p.at(0).toInt(), p.at(1).toInt());
}

std::u16string entities(Object& cad) { return cad.call(u"SimEntities").toText(); }

int countOf(const std::u16string& dump, const std::u16string& kind) {
  int n = 0;
  std::size_t at = 0;
  while ((at = dump.find(u"\n" + kind + u" ", at)) != std::u16string::npos) ++n, ++at;
  if (dump.rfind(kind + u" ", 0) == 0) ++n;
  return n;
}

bool contains(const std::u16string& s, const std::u16string& part) { return s.find(part) != std::u16string::npos; }

// The view of the CAD showing everything drawn (Home, as a person would press it).
void cadShowsAll() {
  PostMessageW(cadWindow, WM_KEYDOWN, VK_HOME, 0);
  e2e::settle(cadWindow);
}

// ---- steps -------------------------------------------------------------------------------

struct Tour {
  int number = 0;
  int failed = 0;
  int skipped = 0;

  // Runs one step; `body` returns what happened. A failed check fails the step.
  void step(const char* title, const std::function<std::string()>& body) {
    ++number;
    int before = e2e::failures();
    ULONGLONG started = GetTickCount64();
    std::string what, verdict;
    try {
      what = body();
      verdict = e2e::failures() == before ? "PASS" : "FAIL";
    } catch (const Skip& s) {
      verdict = "SKIP";
      what = s.why;
    } catch (const e2e::Fatal&) {
      verdict = "FAIL";
    } catch (const std::exception& e) {
      e2e::report(false, __FILE__, __LINE__, std::string("exception: ") + e.what());
      verdict = "FAIL";
    }
    if (verdict == "FAIL") ++failed;
    if (verdict == "SKIP") ++skipped;
    std::printf("%s [%d] %s (%.1f s): %s\n", verdict.c_str(), number, title, (GetTickCount64() - started) / 1000.0,
                what.c_str());
    std::fflush(stdout);
  }
};

std::wstring stem(int n, const wchar_t* name) {
  wchar_t buf[64];
  swprintf(buf, 64, L"%02d-%ls", n, name);
  return buf;
}

void writeText(const std::wstring& path, const std::string& text) {
  if (FILE* f = _wfopen(path.c_str(), L"wb")) {
    fwrite(text.data(), 1, text.size(), f);
    fclose(f);
  }
}

}  // namespace

int main(int argc, char** argv) {
  int code = e2e::run([&] {
    outFolder = e2e::buildFolder() + L"..\\tour\\";
    if (argc > 1) {
      std::string a = argv[1];
      outFolder = std::wstring(a.begin(), a.end());
      if (outFolder.back() != L'\\' && outFolder.back() != L'/') outFolder += L'\\';
    }
    CreateDirectoryW(outFolder.c_str(), nullptr);
    const std::wstring samples = e2e::buildFolder() + L"..\\..\\samples\\";
    const std::wstring dir = e2e::freshFolder(L"tour");
    std::wstring exe = e2e::copyInto(e2e::survaExe(), dir);
    CopyFileW((samples + L"surva.ini").c_str(), (dir + L"surva.ini").c_str(), FALSE);
    const std::wstring simaFile = samples + L"survey.sim";
    E2E_REQUIRE(e2e::fileExists(simaFile));

    surva::win32::ComApartment com;
    surva::win32::ComAutomation automation;
    // The drawing at 1:500 in metres: DIMSCALE 0.5 gives labels 1.25 m high.
    e2e::CadSimProcess cadServer(L"--progid Gcad.Application.23 --register --interactive --variable DIMSCALE=0.5");
    E2E_REQUIRE(cadServer.started());
    auto cad = e2e::runningObject(automation, u"Gcad.Application.23");
    E2E_REQUIRE(cad != nullptr);
    cadWindow = reinterpret_cast<HWND>(static_cast<std::intptr_t>(cad->get(u"HWND").toInt()));

    e2e::Process sheetServer;
    surva::platform::ObjectPtr sheet;
    const std::wstring sheetExe = e2e::toolExe(L"surva_sheet_sim.exe");
    if (e2e::fileExists(sheetExe)) {
      // Holding the sample worksheet, whose first row is the header.
      sheetServer = e2e::startProgram(sheetExe, L"--register --open \"" + samples + L"survey.csv\"");
      e2e::waitUntil([&] {
        sheet = e2e::runningObject(automation, u"Excel.Application");
        return sheet != nullptr;
      });
      sheetWindow = FindWindowW(L"XLMAIN", nullptr);
    }

    e2e::Process app = e2e::startProgram(exe);
    E2E_REQUIRE(app.started());
    survaWindow = e2e::mainWindow(app);
    E2E_REQUIRE(survaWindow);
    // Side by side: Surva on the left, the CAD beside it, the spreadsheet below.
    RECT sr;
    GetWindowRect(survaWindow, &sr);
    SetWindowPos(cadWindow, nullptr, sr.right + 8, 0, 820, 640, SWP_NOZORDER | SWP_NOACTIVATE);
    if (sheetWindow) SetWindowPos(sheetWindow, nullptr, 0, sr.bottom + 8, 600, 300, SWP_NOZORDER | SWP_NOACTIVATE);
    Tour tour;

    tour.step("read the sample SIMA file", [&] {
      showTab(4);  // " SIMA/R "
      press(L"読み込み");
      HWND dialog = nullptr;
      if (!e2e::waitUntil([&] { return (dialog = dialogOf(app.id())) != nullptr; }, 5000)) {
        // The later steps still get the sample: pasted, as a person may.
        showTab(0);
        pasteSample();
        E2E_CHECK(e2e::waitUntil([&] { return e2e::gridCell(mainList(), 0, 8) == L"基準-3"; }, 5000));
        throw Skip{"SIMA reading is not in this build: 読み込み opens no file dialog; the sample was pasted instead"};
      }
      E2E_REQUIRE(openInDialog(dialog, simaFile));
      E2E_CHECK(e2e::waitUntil([&] { return listRows() == 8 && e2e::gridCell(mainList(), 0, 8) == L"基準-3"; }));
      // X and Y swapped into the CAD's east-north order, in metres.
      E2E_CHECK_EQ(e2e::gridCell(mainList(), 1, 1), std::wstring(L"2020.110"));
      E2E_CHECK_EQ(e2e::gridCell(mainList(), 2, 1), std::wstring(L"1012.345"));
      showTab(0);
      return std::to_string(listRows()) + " points from samples/survey.sim in the main list, first " +
             e2e::narrow(e2e::gridCell(mainList(), 0, 1)) + " — " + pictures(stem(tour.number, L"sima"));
    });

    tour.step("plot into the CAD (CADへ)", [&] {
      showTab(0);
      press(L"CADへ");
      E2E_CHECK(e2e::waitUntil([&] { return contains(entities(*cad), u"\"基準-3\""); }));
      auto drawn = entities(*cad);
      E2E_CHECK_EQ(countOf(drawn, u"POINT"), 8);
      E2E_CHECK_EQ(countOf(drawn, u"TEXT"), 8);
      E2E_CHECK_EQ(countOf(drawn, u"CIRCLE"), 8);
      E2E_CHECK(contains(drawn, u"layer=SURVA_POINT (2020.11,1012.345,15.2)"));
      CopyFileW((dir + L"surva.dxf").c_str(), (outFolder + L"plot.dxf").c_str(), FALSE);
      writeText(outFolder + L"plot-entities.txt", utf8(drawn));
      e2e::bringToFront(survaWindow);
      cadShowsAll();
      return std::to_string(countOf(drawn, u"POINT")) + " points, " + std::to_string(countOf(drawn, u"TEXT")) +
             " station names, " + std::to_string(countOf(drawn, u"POLYLINE")) + " polylines drawn — " +
             pictures(stem(tour.number, L"plot"));
    });

    tour.step("draw the coordinate table (XY 作表) at a point clicked in the CAD", [&] {
      auto before = countOf(entities(*cad), u"TEXT");
      press(L"XY 作表");
      E2E_REQUIRE(e2e::waitUntil([] { return cadWaitsForPerson(); }, 8000));
      LPARAM corner = clientAt(*cad, 2082, 1040);
      PostMessageW(cadWindow, WM_LBUTTONDOWN, MK_LBUTTON, corner);
      PostMessageW(cadWindow, WM_LBUTTONUP, 0, corner);
      E2E_CHECK(e2e::waitUntil([&] { return contains(entities(*cad), u"\"X座標\""); }));
      auto drawn = entities(*cad);
      E2E_CHECK(contains(drawn, u"\"2070.300\""));
      E2E_CHECK(e2e::waitUntil([] { return !IsIconic(survaWindow); }, 5000));
      cadShowsAll();
      return "table of " + std::to_string(countOf(drawn, u"TEXT") - before) + " texts and " +
             std::to_string(countOf(drawn, u"LINE")) + " lines — " + pictures(stem(tour.number, L"table"));
    });

    tour.step("harvest the drawn points back by dragging a window (CADから)", [&] {
      press(L"CADから");
      if (!e2e::waitUntil([] { return cadWaitsForPerson(); }, 8000))
        throw Skip{"harvesting is not in this build: CADから never asks the CAD for a selection"};
      // A window to the right round the surveyed points (not the table).
      LPARAM from = clientAt(*cad, 2000, 1055), to = clientAt(*cad, 2078, 975);
      PostMessageW(cadWindow, WM_LBUTTONDOWN, MK_LBUTTON, from);
      PostMessageW(cadWindow, WM_MOUSEMOVE, MK_LBUTTON, to);
      PostMessageW(cadWindow, WM_LBUTTONUP, 0, to);
      e2e::settle(cadWindow);
      std::string cadPicture = pictures(stem(tour.number, L"harvest-selecting"));
      PostMessageW(cadWindow, WM_KEYDOWN, VK_RETURN, 0);
      // The list is rebuilt from what was harvested and sorted by station
      // name: 基準 comes before 境界. Each point is named after its label.
      E2E_CHECK(e2e::waitUntil([] { return !IsIconic(survaWindow) && e2e::gridCell(mainList(), 0, 1) == L"基準-1"; }));
      E2E_CHECK_EQ(listRows(), 8LL);
      for (const auto& p : kSample) {
        int row = 1;
        while (row <= 8 && e2e::gridCell(mainList(), 0, row) != p.name) ++row;
        E2E_CHECK(row <= 8 && e2e::gridCell(mainList(), 1, row) == p.x && e2e::gridCell(mainList(), 2, row) == p.y);
      }
      return std::to_string(listRows()) + " points back in the main list with their station names — " + cadPicture +
             ", " + pictures(stem(tour.number, L"harvest"));
    });

    tour.step("write the list to the spreadsheet (Excelへ)", [&] {
      if (!sheet) throw Skip{"no stand-in spreadsheet in this build (tools/surva_sheet_sim)"};
      press(L"Excelへ");
      // From row 2 (the sample worksheet's first data row), the list's order.
      // The sheet held the sample in the file's order; the list comes sorted.
      E2E_CHECK(e2e::waitUntil([&] { return sheet->call(u"SimCell", {Variant(9), Variant(4)}).toDouble() == 15.4; }));
      E2E_CHECK_EQ(wide(sheet->call(u"SimCell", {Variant(2), Variant(1)}).toText()), std::wstring(L"基準-1"));
      E2E_CHECK_EQ(wide(sheet->call(u"SimCell", {Variant(9), Variant(1)}).toText()), std::wstring(L"境界-5"));
      E2E_CHECK_EQ(sheet->call(u"SimCell", {Variant(9), Variant(2)}).toDouble(), 2031.245);
      return "8 rows written to the active sheet from row 2 — " + pictures(stem(tour.number, L"sheet"), true);
    });

    std::printf("tour: %d steps, %d failed, %d skipped; pictures in %s\n", tour.number, tour.failed, tour.skipped,
                e2e::narrow(outFolder).c_str());
    PostMessageW(survaWindow, WM_CLOSE, 0, 0);
    app.wait(15000);
    if (sheet) sheet->call(u"SimQuit");
    cad->call(u"SimQuit");
  });
  return code;
}
