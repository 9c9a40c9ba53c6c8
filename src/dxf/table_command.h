#pragma once
// "XY 作表" and "YX 作表": the main list as a ruled coordinate table,
// inserted at a point the user picks in the CAD.
#include "cad/hand_over.h"
#include "dxf/coordinate_table_dxf.h"
#include "dxf/drawing_context.h"
#include "ui/text_grid.h"

namespace surva::dxf {

inline constexpr char16_t kTablePickPrompt[] = u"作表の左上基点を指示 : ";

// The main window is minimised only while the CAD waits for the pick. A
// cancelled pick or a refused command inserts nothing and says nothing.
void TableToCad(const DrawingContext& context, const TableSettings& settings, const ui::TextGrid& list,
                cad::MainWindowState& mainWindow);

}  // namespace surva::dxf
