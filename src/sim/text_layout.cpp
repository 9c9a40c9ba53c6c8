#include "sim/text_layout.h"

namespace surva::sim {

double approximateTextWidth(text::u16view s, double height, double widthFactor) {
  double units = 0;
  for (char16_t c : s) {
    if (c >= 0xDC00 && c <= 0xDFFF) continue;  // second half of a pair
    units += c < 0x100 ? 0.6 : 1.0;            // full-width characters are square
  }
  return units * height * widthFactor;
}

void layoutText(Entity& t) {
  if (t.hAlign == kAligned || t.hAlign == kFit) return;
  if (t.hAlign == kLeft && t.vAlign == kBaseline) return;
  double w = approximateTextWidth(t.textString, t.height, t.widthFactor);
  double dx = 0, dy = 0;
  switch (t.hAlign) {
    case kCenter:
    case kMiddle: dx = w / 2; break;
    case kRight: dx = w; break;
    default: break;
  }
  if (t.hAlign == kMiddle) {
    dy = t.height / 2;
  } else {
    switch (t.vAlign) {
      case kBottom: dy = -0.3 * t.height; break;  // below the baseline by the descent
      case kVMiddle: dy = t.height / 2; break;
      case kTop: dy = t.height; break;
      default: break;
    }
  }
  t.insertion = t.alignment - rotateZ({dx, dy, 0}, t.rotation);
}

}  // namespace surva::sim
