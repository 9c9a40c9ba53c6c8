#include "dxf/table_command.h"

#include "cad/cad_session.h"
#include "cad/dimscale_factor.h"
#include "cad/target_check.h"
#include "dxf/insert_command.h"
#include "dxf/layer_name.h"
#include "platform/confirm.h"

namespace surva::dxf {

namespace {

std::optional<text::u16> tableLayerProblem(const TableSettings& s) {
  if (forbiddenLayerCharacter(s.frameLayer)) return badLayerMessage(u"表枠", s.frameLayer);
  if (forbiddenLayerCharacter(s.textLayer)) return badLayerMessage(u"表文字", s.textLayer);
  return std::nullopt;
}

}  // namespace

void TableToCad(const DrawingContext& context, const TableSettings& s, const ui::TextGrid& list,
                cad::MainWindowState& mainWindow) {
  const platform::Services& services = context.services;
  if (!cad::CheckTargetProgID(*services.automation, *services.dialogs, context.targetProgId)) return;
  const cad::CadSession session = cad::OpenCadSession(services, context.targetProgId);
  const double factor = cad::DimscaleFactor(*session.document, s.dimscale);

  if (list.dataRowCount() < 1 || list.cell(1, 1).empty()) return;
  if (auto problem = tableLayerProblem(s)) {
    platform::confirm(*services.dialogs, *problem);
    return;
  }

  // The file is replaced atomically, so a table that fails before saving
  // leaves the previous file as it was.
  const DxfText dxf = buildTableDxf(list, s, factor, *services.codec);
  saveDxf(*services.files, context.dxfPath, dxf);
  if (!services.files->exists(context.dxfPath)) return;

  const auto path = commandLinePath(*services.paths, context.dxfPath);
  if (!path) {
    platform::confirm(*services.dialogs, blankPathMessage(context.dxfPath));
    return;
  }

  cad::HandOverToCad(mainWindow, *services.clock);
  try {
    const platform::ObjectPtr utility = session.document->get(u"Utility").toObject();
    utility->call(u"GetPoint", {platform::Variant(), text::u16(kTablePickPrompt)});
    session.document->call(u"SendCommand", {insertCommand(*path, u"@ 1 0")});
  } catch (const std::exception&) {
    // Esc at the prompt, or the CAD refused the command: nothing inserted.
  }
  cad::TakeBackFromCad(mainWindow);
}

}  // namespace surva::dxf
