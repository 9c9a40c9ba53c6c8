#include "cad/view_pan.h"

#include "cad/cad_session.h"
#include "cad/target_check.h"
#include "text/number.h"

namespace surva::cad {

using platform::Variant;

void PanToCurrentRow(const platform::Services& services, text::u16view targetProgId, const ui::TextGrid& list) {
  const int row = list.row();
  // A list without data rows has its header as the current row.
  if (row < list.fixedRows() || list.cell(1, row).empty() || list.cell(2, row).empty()) return;
  if (!CheckTargetProgID(*services.automation, *services.dialogs, targetProgId)) return;
  const CadSession session = AttachCad(*services.automation, targetProgId);
  Variant centre = Variant::point(text::parseNumber(list.cell(1, row)), text::parseNumber(list.cell(2, row)),
                                  text::parseNumber(list.cell(3, row)));
  // The current view height as the magnification keeps the scale.
  const double viewSize = session.document->call(u"GetVariable", {Variant(u"VIEWSIZE")}).toDouble();
  session.application->call(u"ZoomCenter", {Variant::ref(centre), Variant::ref(Variant(viewSize))});
  session.document->call(u"Regen", {Variant(std::int32_t(0))});
}

}  // namespace surva::cad
