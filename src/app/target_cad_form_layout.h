#pragma once
// The target CAD list dialog's controls as data.
#include <span>

#include "ui/layout.h"

namespace surva::app {

inline constexpr char16_t kTargetCadFormCaption[] = u"ターゲット CAD";
inline constexpr int kTargetCadClientWidth = 315;
inline constexpr int kTargetCadClientHeight = 307;
inline constexpr char16_t kTargetCadFontName[] = u"Tahoma";
inline constexpr int kTargetCadFontSize = 11;

std::span<const ui::ControlSpec> targetCadFormLayout();

}  // namespace surva::app
