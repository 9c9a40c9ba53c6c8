#include "cad/point_picking.h"

#include <algorithm>
#include <optional>

#include "cad/cad_session.h"
#include "cad/dimscale_factor.h"
#include "cad/ensure_layer.h"
#include "cad/pick_names.h"
#include "cad/target_check.h"
#include "cad/var_to_point.h"
#include "cad/wait_quiescent.h"
#include "points/list_commands.h"
#include "points/point_math.h"
#include "text/number.h"

namespace surva::cad {

using platform::Variant;

namespace {

constexpr std::uint32_t kPollMs = 200;

struct PickRound {
  const platform::Services& services;
  text::u16view progId;
  const CadSession& session;
  text::u16view command;
};

points::TAcadPoint lastPoint(platform::Object& document) {
  return VarToAcadPoint(document.call(u"GetVariable", {Variant(u"LASTPOINT")}));
}

// One ID command: the point picked, or none when the user cancelled, picked
// within 1 unit of the last point, or the CAD failed.
std::optional<points::TAcadPoint> awaitPick(const PickRound& r, const points::TAcadPoint& before) {
  try {
    r.session.document->call(u"SendCommand", {Variant(text::u16(r.command))});
    WaitCadQuiescent(*r.services.clock, r.progId, *r.session.application, kPollMs);
    points::TAcadPoint after = lastPoint(*r.session.document);
    if (points::PlanarDistance(before, after) > 1.0) return after;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

void writeRow(ui::TextGrid& list, int row, const text::u16& name, const text::u16 (&coords)[3]) {
  if (list.rowCount() <= row) list.setRowCount(row + 1);
  list.setRowCells(row, {name, coords[0], coords[1], coords[2], text::intToText(row)});
}

// A label that fails (CAD refuses the height, say) leaves the row unlabelled.
void addLabel(platform::Object& document, const text::u16& name, const text::u16 (&coords)[3], double height,
              const text::u16& layer) {
  try {
    Variant at = Variant::point(text::parseNumber(coords[0]), text::parseNumber(coords[1]), text::parseNumber(coords[2]));
    platform::ObjectPtr modelSpace = document.get(u"ModelSpace").toObject();
    platform::ObjectPtr label = modelSpace->call(u"AddText", {Variant(name), at, Variant::ref(Variant(height))}).toObject();
    label->put(u"Layer", Variant(layer));
    label->call(u"Update");
  } catch (const std::exception&) {
  }
}

// Exactly one empty data row when nothing was written, else the rows up to
// the last pick, numbered.
void finishList(ui::TextGrid& list, int lastRow) {
  ui::TextGrid::BatchUpdate batch(list);
  if (lastRow == 0) {
    list.setRowCount(list.fixedRows() + 1);
    list.setRowCells(list.fixedRows(), std::vector<text::u16>(list.colCount()));
    return;
  }
  list.setRowCount(lastRow + 1);
  points::RenumberPlotNo(list);
}

}  // namespace

int LastRowWithX(const ui::TextGrid& list) {
  for (int row = list.rowCount() - 1; row >= list.fixedRows(); --row)
    if (!list.cell(1, row).empty()) return row;
  return 0;
}

void PickPointsToList(const platform::Services& services, text::u16view targetProgId, const PickingSettings& s,
                      ui::TextGrid& list, PickingWindow& window) {
  if (!CheckTargetProgID(*services.automation, *services.dialogs, targetProgId)) return;
  const CadSession session = OpenCadSession(services, targetProgId);
  const PickRound round{services, targetProgId, session, s.intersectionSnap ? kIdIntersectionCommand : kIdCommand};
  const int decimals = std::clamp(s.decimals, 0, 8);
  double height = 0;
  if (s.labels)
    height = text::tryParseNumber(s.labelHeight).value_or(2.5) * DimscaleFactor(*session.document, s.dimscale);

  int row = LastRowWithX(list);
  if (row > 0) {
    switch (services.dialogs->messageBox(kAppendQuestion, kAppendQuestionCaption, platform::Icon::Question,
                                         platform::Buttons::YesNoCancel)) {
      case platform::Answer::Yes: break;
      case platform::Answer::No: row = 0; break;
      default: return;
    }
  }
  const int firstRow = row;

  HandOverScope handOver(window, *services.clock);
  services.windows->setForegroundWindow(CadWindow(*session.application));
  const NameParts parts = SplitNameAtNumber(s.nextName);
  std::int64_t n = NameNumber(parts.digits);
  EnsureLayer(*session.application, s.labelLayer);

  for (;;) {
    points::TAcadPoint before;
    try {
      before = lastPoint(*session.document);
    } catch (const std::exception&) {
      // Before the first pick the error is reported; once points are in
      // the list, a CAD that went away ends the picking like Esc.
      if (row == firstRow) throw;
      break;
    }
    const std::optional<points::TAcadPoint> p = awaitPick(round, before);
    if (!p) break;
    ++row;
    const text::u16 name = NameWithNumber(parts, n);
    const text::u16 coords[3] = {text::formatFixed(p->x, decimals), text::formatFixed(p->y, decimals),
                                 text::formatFixed(p->z, decimals)};
    writeRow(list, row, name, coords);
    if (s.labels) addLabel(*session.document, name, coords, height, s.labelLayer);
    ++n;
    window.showNextName(NameWithNumber(parts, n));
    window.pickWritten();
  }

  services.clock->sleep(100);
  handOver.takeBack();
  window.bringToFront();
  finishList(list, row);
}

}  // namespace surva::cad
