#pragma once
// A stand-in CAD under the default ProgID, the fake services wired to it,
// a main list, and a place to keep written files for the independent reader
// (the folder named by SURVA_DXF_OUT, when set).
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "cad/hand_over.h"
#include "dxf/drawing_context.h"
#include "sim/cad.h"
#include "sim/dump.h"
#include "sim/objects.h"
#include "sim/sim_automation.h"
#include "support/fakes.h"
#include "ui/text_grid.h"

namespace surva::dxftest {

inline constexpr char16_t kProgId[] = u"Gcad.Application.23";
inline constexpr char16_t kDxfPath[] = u"C:\\Surva\\surva.dxf";

struct RecordingMainWindow : cad::MainWindowState {
  void minimise() override { events.push_back("minimise"); }
  void restore() override { events.push_back("restore"); }
  std::vector<std::string> events;
};

struct DrawingFixture {
  DrawingFixture() : list(5, 2) {
    cad = std::make_shared<sim::Cad>(fakes.files, fakes.codec);
    automation.registerCad(kProgId, cad);
    fakes.services.automation = &automation;
    fakes.windows.onKey = [this](std::uint8_t vk, std::uint32_t flags) {
      if (fakes.windows.foreground == cad->window()) cad->keyEvent(vk, flags);
    };
  }
  dxf::DrawingContext context() { return {fakes.services, kProgId, kDxfPath}; }

  // Rows of name, X, Y, Z; PLOT No. numbered 1, 2, ...
  void setList(const std::vector<std::vector<text::u16>>& rows) {
    list.setRowCount(static_cast<int>(rows.size()) + 1);
    for (int r = 1; r <= static_cast<int>(rows.size()); ++r) {
      for (int c = 0; c < 4 && c < static_cast<int>(rows[r - 1].size()); ++c) list.setCell(c, r, rows[r - 1][c]);
      list.setCell(4, r, text::intToText(r));
    }
  }

  bool fileWritten() { return fakes.files.files.count(kDxfPath) > 0; }
  const std::string& file() { return fakes.files.files.at(kDxfPath); }
  std::vector<std::string> sentCommands() {
    std::vector<std::string> out;
    for (const auto& r : cad->calls().records())
      if (text::equalsIgnoreAsciiCase(r.member, u"SendCommand")) out.push_back(text::toUtf8(r.args.at(0).toText()));
    return out;
  }
  std::string drawn() { return sim::dumpEntities(cad->drawing()); }

  // Keeps the file for the reader test that runs this suite.
  void keepForReader(const std::string& name) {
    const char* dir = std::getenv("SURVA_DXF_OUT");
    if (!dir || !fileWritten()) return;
    std::ofstream(std::string(dir) + "/" + name, std::ios::binary) << file();
  }

  fakes::TestServices fakes;
  sim::SimAutomation automation;
  std::shared_ptr<sim::Cad> cad;
  ui::TextGrid list;
  RecordingMainWindow mainWindow;
};

}  // namespace surva::dxftest
