#pragma once
// The main window's controls as one table (bounds at 96 DPI).
#include <span>

#include "ui/layout.h"

namespace surva::app {

std::span<const ui::ControlSpec> mainFormLayout();

// The window itself.
inline constexpr char16_t kMainFormDesignCaption[] = u"Surva2023";
inline constexpr int kMainClientWidth = 391;
inline constexpr int kMainClientHeight = 464;
inline constexpr char16_t kUiFontName[] = u"ＭＳ Ｐゴシック";
inline constexpr char16_t kListFontName[] = u"ＭＳ ゴシック";
inline constexpr int kUiFontSize = 12;

}  // namespace surva::app
