#pragma once
// The main window beside a stand-in spreadsheet registered under the
// spreadsheet's ProgID, with its window findable by class.
#include <memory>

#include "app/main_form.h"
#include "sim/sheet_model.h"
#include "sim/sim_automation.h"
#include "support/fake_backend.h"
#include "support/fakes.h"

namespace surva::sheettest {

inline constexpr char16_t kProgId[] = u"Excel.Application";

struct SheetFixture {
  SheetFixture() {
    classId = automation.registerSheet(kProgId, excel);
    fakes.services.automation = &automation;
    showWindow(true);
  }
  void showWindow(bool shown) {
    if (shown) fakes.windows.windows[{u"XLMAIN", u"Excel - Book1"}] = excel->window;
    else fakes.windows.windows.clear();
  }
  sim::Worksheet& sheet() { return *excel->activeSheet(); }
  // Fills rows from `row` on: one string per cell, "" for an empty cell,
  // typed as a user types (numbers become numbers).
  void fill(int row, std::initializer_list<std::initializer_list<const char16_t*>> rows) {
    for (auto& cells : rows) {
      int col = 1;
      for (const char16_t* c : cells) sheet().enter(row, col++, c);
      ++row;
    }
  }
  // The main list as "name,x,y,z,no" lines.
  std::string listText(const ui::TextGrid& g, int cols = 5) {
    std::string out;
    for (int r = 1; r < g.rowCount(); ++r) {
      for (int c = 0; c < cols; ++c) out += (c ? "," : "") + text::toUtf8(g.cell(c, r));
      out += "\n";
    }
    return out;
  }

  fakes::TestServices fakes;
  fakes::FakeBackend backend;
  app::AppState state;
  app::MainForm form{fakes.services, state, &backend};
  sim::SimAutomation automation;
  std::shared_ptr<sim::Spreadsheet> excel = std::make_shared<sim::Spreadsheet>();
  platform::ClassId classId;
};

}  // namespace surva::sheettest
