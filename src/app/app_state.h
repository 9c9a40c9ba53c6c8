#pragma once
// Values that live for the whole run, beside the main window's controls.
// Commands reach them through the main window; each area adds its own here.
#include <cstdint>
#include <optional>

#include "cad/harvest_store.h"
#include "text/u16.h"

namespace surva::app {

class MessageFilterRegistration;
class TTargetCADForm;

inline constexpr char16_t kDefaultTargetProgId[] = u"Gcad.Application.23";

struct AppState {
  // The COM class of the CAD every CAD command drives.
  text::u16 targetProgId = kDefaultTargetProgId;
  // The executable's path with the extension ".dxf": the file plotting and
  // the coordinate table write and insert into CAD.
  text::u16 exchangeDxfPath;
  // What the last harvest read from CAD, with its user frame; the main
  // list is rebuilt from it by the "リスト表示" check boxes.
  cad::HarvestStore harvest;
  // Set while the main list is rebuilt from the harvest store: the main
  // list's PAN does nothing meanwhile.
  bool entToSlFlag = false;

  // The main list's revision right after the last SIMA transfer into it
  // (none before the first SIMA read): while it still stands, the "×1000"
  // and "X-Y 反転" boxes may transfer again without asking.
  std::optional<std::uint64_t> simaTransferRevision;

  // The OLE message filter of the CAD link, registered for the whole run
  // (none in tests that do not need it).
  MessageFilterRegistration* messageFilter = nullptr;
  // The target CAD list dialog, created once after the main window.
  TTargetCADForm* targetCadForm = nullptr;
};

}  // namespace surva::app
