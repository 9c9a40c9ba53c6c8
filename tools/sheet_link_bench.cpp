// Round trips and time for reading and writing a list of 1,000 rows x 4
// columns through the spreadsheet link, against the stand-in spreadsheet
// in another process: the Part's steps taken literally (a Cells call for
// the Select and another for the Value, every range object looking up its
// own member ids) and the link as the program runs it, in one run. Under
// Wine: scripts/sheet-bench.sh [rows] (1,000 unless given; a loaded machine
// may need fewer, the figures are per cell and per 1,000 rows either way).
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "bench_support.h"
#include "sheet/cell_text.h"
#include "sheet/list_transfer.h"
#include "win32/com_apartment.h"
#include "win32/com_automation.h"
#include "win32/services.h"

using namespace surva;
using platform::Variant;

namespace {

int kRows = 1000;

double nowMs() { return tools::nowMicroseconds() / 1e3; }

struct Counts {
  int invokes = 0;
  int lookups = 0;
  int types = 0;
  int released = 0;
};

Counts countsOf(platform::Object& app) {
  auto ranges = app.call(u"SimRanges").toArray();
  return {app.call(u"SimCallCount").toInt(), app.call(u"SimGetIDsOfNamesCount").toInt(),
          app.call(u"SimTypeInfoCount").toInt(), ranges.at(1).toInt()};
}

// The Part's reading and writing loops, step by step.
void literalRead(platform::Object& sheet, ui::TextGrid& list) {
  for (std::int32_t row = 1; row <= kRows; ++row) {
    for (std::int32_t col = 1; col <= 4; ++col) {
      platform::VariantArray at{Variant(row), Variant(col)};
      sheet.get(u"Cells", at).toObject()->call(u"Select");
      list.setCell(col - 1, row, sheet::CellText(sheet.get(u"Cells", at).toObject()->get(u"Value")));
    }
  }
}

void literalWrite(platform::Object& sheet, const ui::TextGrid& list, std::int32_t start) {
  for (int r = 1; r <= kRows; ++r) {
    for (std::int32_t col = 1; col <= 4; ++col) {
      platform::VariantArray at{Variant(start + r - 1), Variant(col)};
      sheet.get(u"Cells", at).toObject()->call(u"Select");
      sheet.get(u"Cells", at).toObject()->put(u"Value", Variant(list.cell(col - 1, r)));
    }
  }
}

void line(const char* what, const Counts& c, int cells, double ms) {
  double per = 1.0 / cells;
  std::printf("  %-22s %5.2f invokes + %4.2f GetIDsOfNames + %4.2f GetTypeInfo + %4.2f range releases per cell;"
              " %7.0f ms per 1,000 rows\n",
              what, c.invokes * per, c.lookups * per, c.types * per, c.released * per, ms * 1000.0 / kRows);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc > 1) kRows = std::max(1, _wtoi(argv[1]));
  LocalFree(argv);
  win32::ComApartment com;
  tools::StandInProcess standIn(L"surva_sheet_sim.exe", L"--register", "the stand-in spreadsheet");
  if (!standIn.ok()) return 1;
  int code = 0;
  try {
    win32::ComAutomation automation;
    auto services = win32::makeServices();
    platform::Services bundle = services->bundle(&automation);
    platform::WindowHandle handle = 0;
    platform::ObjectPtr app, book, sheetObject;
    sheet::ExcelLink link{bundle, {handle, app, book, sheetObject}, u"bench", [](const text::u16&) {}};
    if (!sheet::GetExcelApp(link)) throw std::runtime_error("cannot attach to the stand-in spreadsheet");
    app->call(u"SimFill", {Variant(kRows)});
    const int cells = kRows * 4;
    std::printf("%d rows x 4 columns through COM (one run)\n", kRows);

    ui::TextGrid literal(5, kRows + 1);
    app->call(u"SimResetCounts");
    double t0 = nowMs();
    literalRead(*sheetObject, literal);
    double literalReadMs = nowMs() - t0;
    line("read, literal steps", countsOf(*app), cells, literalReadMs);

    ui::TextGrid ours(5, 2);
    sheet::SheetColumns columns;
    columns.fields = {1, 2, 3, 4};
    app->call(u"SimResetCounts");
    t0 = nowMs();
    sheet::ReadEnd end = sheet::ReadList(link, ours, columns);
    double oursReadMs = nowMs() - t0;
    line("read, the link", countsOf(*app), cells + 2, oursReadMs);
    if (end != sheet::ReadEnd::Finished || ours.dataRowCount() != kRows) throw std::runtime_error("the read fell short");
    for (int r = 1; r <= kRows; ++r)
      for (int c = 0; c < 4; ++c)
        if (ours.cell(c, r) != literal.cell(c, r)) throw std::runtime_error("the two reads differ");

    sheet::GetExcelApp(link);  // fresh objects, as the literal read had
    app->call(u"SimResetCounts");
    t0 = nowMs();
    literalWrite(*sheetObject, ours, 2001);
    double literalWriteMs = nowMs() - t0;
    line("write, literal steps", countsOf(*app), cells, literalWriteMs);

    columns.startRow = 3001;
    app->call(u"SimResetCounts");
    t0 = nowMs();
    sheet::WriteList(link, ours, columns, sheet::FirstColumn::StationNames);
    double oursWriteMs = nowMs() - t0;
    line("write, the link", countsOf(*app), cells, oursWriteMs);
    std::printf("  time, literal / link:  read %.2f, write %.2f\n", literalReadMs / oursReadMs,
                literalWriteMs / oursWriteMs);
    app->call(u"SimQuit");
  } catch (const std::exception& e) {
    std::printf("failed: %s\n", e.what());
    code = 1;
  }
  return code;
}
