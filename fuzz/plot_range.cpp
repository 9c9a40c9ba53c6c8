// The plot range expression: any text as typed into the box, asked about
// any PLOT No.; the pieces between commas (or semicolons) act alone.
#include <algorithm>
#include <limits>

#include "fuzz_check.h"
#include "points/plot_range.h"
#include "ui/string_grid.h"

using namespace surva;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::int32_t asked = in.raw<std::int32_t>();
  const std::size_t cut = in.byte();
  const text::u16 expression = in.units();

  for (std::int32_t n : {asked, 0, 1, 2, 9, 10, 100, -1, std::numeric_limits<std::int32_t>::max(),
                         std::numeric_limits<std::int32_t>::min()}) {
    const bool in = points::InPlotRange(expression, n);
    if (expression.empty()) FUZZ_CHECK(in);
    if (!expression.empty() && n <= 0) FUZZ_CHECK(!in);
    // Semicolons separate as commas do.
    text::u16 commas = expression;
    std::replace(commas.begin(), commas.end(), u';', u',');
    FUZZ_CHECK(points::InPlotRange(commas, n) == in);
    // Joining two expressions selects what either selects.
    if (cut > 0 && cut < expression.size()) {
      const text::u16view a = text::u16view(expression).substr(0, cut);
      const text::u16view b = text::u16view(expression).substr(cut);
      const bool joined = points::InPlotRange(text::u16(a) + u"," + text::u16(b), n);
      FUZZ_CHECK(joined == (points::InPlotRange(a, n) || points::InPlotRange(b, n)));
    }
    if (n >= 1) {
      ui::CellStyle style;
      points::plotListCellStyle(expression, 4, n, style);
      FUZZ_CHECK((style.background == ui::colors::Grey) == points::plotNoLeftOut(expression, n));
    }
  }
  std::vector<text::u16> pieces{u"left over"};
  points::SplitToList(expression, pieces);
  FUZZ_CHECK(static_cast<std::size_t>(std::count(expression.begin(), expression.end(), u',')) + 1 == pieces.size());
  return 0;
}
