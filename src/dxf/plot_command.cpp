#include "dxf/plot_command.h"

#include "cad/cad_session.h"
#include "cad/dimscale_factor.h"
#include "cad/target_check.h"
#include "dxf/insert_command.h"
#include "dxf/plot_dxf.h"
#include "platform/confirm.h"
#include "points/working_array.h"

namespace surva::dxf {

namespace {

// The working array lives only while a plot runs.
class WorkingArrayScope {
 public:
  explicit WorkingArrayScope(std::vector<points::TPlotData>& working) : working_(working) {}
  ~WorkingArrayScope() { working_.clear(); }
  WorkingArrayScope(const WorkingArrayScope&) = delete;
  WorkingArrayScope& operator=(const WorkingArrayScope&) = delete;

 private:
  std::vector<points::TPlotData>& working_;
};

}  // namespace

void PlotToCad(const DrawingContext& context, const PlotSettings& s, const ui::TextGrid& list,
               std::vector<points::TPlotData>& working) {
  const platform::Services& services = context.services;
  if (!cad::CheckTargetProgID(*services.automation, *services.dialogs, context.targetProgId)) return;
  const cad::CadSession session = cad::OpenCadSession(services, context.targetProgId);
  const double factor = cad::DimscaleFactor(*session.document, s.dimscale);

  if (list.dataRowCount() < 1 || list.cell(1, 1).empty()) return;
  if (auto problem = plotLayerProblem(s)) {
    platform::confirm(*services.dialogs, *problem);
    return;
  }

  WorkingArrayScope scope(working);
  working = points::FillWorkingArray(list, {s.polylines, s.separator, s.zFromList});
  if (s.orderByNearest) points::OrderByNearest(working);

  const PlotDxf plot = buildPlotDxf(working, list, s, factor, *services.codec);
  saveDxf(*services.files, context.dxfPath, plot.dxf);

  if (plot.records > 0 && services.files->exists(context.dxfPath)) {
    const auto path = commandLinePath(*services.paths, context.dxfPath);
    if (!path) {
      platform::confirm(*services.dialogs, blankPathMessage(context.dxfPath));
      return;
    }
    session.document->call(u"SendCommand", {insertCommand(*path, u"0,0,0 1 0")});
  }
}

}  // namespace surva::dxf
