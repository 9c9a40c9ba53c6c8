// Round trips and time for reading and writing a list of 10,000 rows x 4
// columns through the spreadsheet link, against the stand-in spreadsheet
// in another process: the steps taken literally, cell by cell (a Cells
// call for the Select and another for the Value, every range object
// looking up its own member ids; on the first 1,000 rows only, it takes
// minutes), and the link as the program runs it, with the stand-in giving
// type information and without, in one run. Under Wine:
// scripts/sheet-bench.sh [rows] (10,000 unless given).
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

int kRows = 10000;
int kLiteralRows = 1000;

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
  for (std::int32_t row = 1; row <= kLiteralRows; ++row) {
    for (std::int32_t col = 1; col <= 4; ++col) {
      platform::VariantArray at{Variant(row), Variant(col)};
      sheet.get(u"Cells", at).toObject()->call(u"Select");
      list.setCell(col - 1, row, sheet::CellText(sheet.get(u"Cells", at).toObject()->get(u"Value")));
    }
  }
}

void literalWrite(platform::Object& sheet, const ui::TextGrid& list, std::int32_t start) {
  for (int r = 1; r <= kLiteralRows; ++r) {
    for (std::int32_t col = 1; col <= 4; ++col) {
      platform::VariantArray at{Variant(start + r - 1), Variant(col)};
      sheet.get(u"Cells", at).toObject()->call(u"Select");
      sheet.get(u"Cells", at).toObject()->put(u"Value", Variant(list.cell(col - 1, r)));
    }
  }
}

void line(const char* what, const Counts& c, int rows, double ms) {
  const double per = 1.0 / (rows * 4);
  std::printf("  %-36s %6.3f round trips per cell (%.3f invokes + %.3f GetIDsOfNames + %.3f GetTypeInfo);"
              " %8.0f ms per 1,000 rows, %6.2f s for %d rows\n",
              what, (c.invokes + c.lookups + c.types) * per, c.invokes * per, c.lookups * per, c.types * per,
              ms * 1000.0 / rows, ms / 1000.0, rows);
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
    kLiteralRows = std::min(kRows, kLiteralRows);
    std::printf("%d rows x 4 columns through COM (one run; literal steps on the first %d rows)\n", kRows,
                kLiteralRows);

    ui::TextGrid literal(5, kLiteralRows + 1);
    app->call(u"SimResetCounts");
    double t0 = nowMs();
    literalRead(*sheetObject, literal);
    const double literalReadMs = nowMs() - t0;
    line("read, literal steps", countsOf(*app), kLiteralRows, literalReadMs);
    sheet::GetExcelApp(link);  // fresh objects
    app->call(u"SimResetCounts");
    t0 = nowMs();
    literalWrite(*sheetObject, literal, kRows + 2);  // a row apart from the list
    const double literalWriteMs = nowMs() - t0;
    line("write, literal steps", countsOf(*app), kLiteralRows, literalWriteMs);

    for (bool typeInfo : {true, false}) {
      app->call(u"SimTypeInfo", {Variant(typeInfo)});
      sheet::SheetColumns columns;
      columns.fields = {1, 2, 3, 4};
      ui::TextGrid ours(5, 2);
      app->call(u"SimResetCounts");
      t0 = nowMs();
      sheet::ReadEnd end = sheet::ReadList(link, ours, columns);
      const double readMs = nowMs() - t0;
      line(typeInfo ? "read, the link, type information" : "read, the link, no type information", countsOf(*app),
           kRows, readMs);
      if (end != sheet::ReadEnd::Finished || ours.dataRowCount() != kRows)
        throw std::runtime_error("the read fell short");
      for (int r = 1; r <= kLiteralRows; ++r)
        for (int c = 0; c < 4; ++c)
          if (ours.cell(c, r) != literal.cell(c, r)) throw std::runtime_error("the two reads differ");

      columns.startRow = 2 * kRows + 1;
      app->call(u"SimResetCounts");
      t0 = nowMs();
      sheet::WriteList(link, ours, columns, sheet::FirstColumn::StationNames);
      const double writeMs = nowMs() - t0;
      line(typeInfo ? "write, the link, type information" : "write, the link, no type information",
           countsOf(*app), kRows, writeMs);
      for (int r : {1, kRows / 2, kRows})
        if (app->call(u"SimCell", {Variant(columns.startRow + r - 1), Variant(std::int32_t(2))}) !=
            app->call(u"SimCell", {Variant(r), Variant(std::int32_t(2))}))
          throw std::runtime_error("the written cells differ");
      std::printf("  time per row, literal / link (%s):  read %.0f, write %.0f\n",
                  typeInfo ? "type information" : "none", literalReadMs / kLiteralRows / (readMs / kRows),
                  literalWriteMs / kLiteralRows / (writeMs / kRows));
    }
    app->call(u"SimQuit");
  } catch (const std::exception& e) {
    std::printf("failed: %s\n", e.what());
    code = 1;
  }
  return code;
}
