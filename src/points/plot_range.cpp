#include "points/plot_range.h"

#include <algorithm>

#include "text/number.h"

namespace surva::points {

void SplitToList(text::u16view text, std::vector<text::u16>& list) {
  list.clear();
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u',') {
      list.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  list.emplace_back(text.substr(start));
}

namespace {

std::int32_t intOrZero(text::u16view s) { return text::tryParseInt(text::trim(s)).value_or(0); }

bool pieceSelects(text::u16view piece, std::int32_t n) {
  const text::u16 t = text::trim(piece);
  const std::size_t dash = t.find(u'-');
  if (dash == text::u16::npos) return t == text::intToText(n);
  const std::int32_t a = intOrZero(text::u16view(t).substr(0, dash));
  const std::int32_t b = intOrZero(text::u16view(t).substr(dash + 1));
  if (a > 0 && b > a) return a <= n && n <= b;
  if (a > 0) return n >= a;
  if (b > 0) return n >= 1 && n <= b;
  return false;
}

}  // namespace

bool InPlotRange(text::u16view expression, std::int32_t n) {
  if (expression.empty()) return true;
  if (n <= 0) return false;
  text::u16 e(expression);
  std::replace(e.begin(), e.end(), u';', u',');
  std::vector<text::u16> pieces;
  SplitToList(e, pieces);
  return std::any_of(pieces.begin(), pieces.end(), [n](const text::u16& p) { return pieceSelects(p, n); });
}

bool plotNoLeftOut(text::u16view expression, std::int32_t row) {
  if (text::trim(expression).empty()) return false;
  return !InPlotRange(expression, row);
}

void plotListCellStyle(text::u16view expression, int col, int row, ui::CellStyle& style) {
  if (row == 0 || col == 0) return;
  if (col == 4) {
    const bool leftOut = plotNoLeftOut(expression, row);
    style.background = leftOut ? ui::colors::Grey : ui::colors::White;
    style.textColor = leftOut ? ui::colors::White : ui::colors::Black;
  }
  style.align = ui::Align::Right;
  style.insetRight = 4;
  style.verticalCenter = true;
}

void plotRangeChanged(ui::StringGrid& list) { list.invalidate(); }

}  // namespace surva::points
