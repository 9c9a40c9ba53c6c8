#pragma once
// Peers of the standard controls (everything except forms and grids).
#include <memory>

#include "win32/backend.h"

namespace surva::win32 {

// A plain window that hosts child controls (pages, panels).
inline constexpr const wchar_t* kContainerClass = L"SurvaContainer";
// A window that paints itself (images).
inline constexpr const wchar_t* kPaintedClass = L"SurvaPainted";

// Null for controls that have no window of their own (menus: the grid
// builds its pop-up menu from the model when it opens).
std::unique_ptr<ui::ControlPeer> makeControlPeer(Win32Backend& backend, ui::Control& control);

// Shows a pop-up menu of the model at a screen point and runs the chosen
// item's click.
void trackPopupMenu(ui::PopupMenu& menu, HWND owner, POINT screen);

}  // namespace surva::win32
