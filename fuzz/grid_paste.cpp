// Pasting clipboard text into a list: any text, any grid size, any current
// cell and selection. The lines land from the selection's top-left cell
// (or the first data cell), nothing else changes, PLOT No. is renumbered.
#include <algorithm>

#include "fuzz_check.h"
#include "points/list_columns.h"
#include "points/list_commands.h"
#include "support/fakes.h"

using namespace surva;

namespace {

text::u16 marker(int col, int row) { return text::intToText(col) + u":" + text::intToText(row); }

// The text with every line break made LF and a final one dropped.
text::u16 normalised(text::u16view t) {
  text::u16 out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (t[i] == u'\r' && i + 1 < t.size() && t[i + 1] == u'\n') continue;
    out += t[i] == u'\r' ? u'\n' : t[i];
  }
  if (!out.empty() && out.back() == u'\n') out.pop_back();
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input in(data, size);
  const std::uint8_t how = in.byte();
  const int cols = 1 + in.byte() % 8;
  const int rows = 1 + in.byte() % 40;
  const int curCol = static_cast<std::int8_t>(in.byte());
  const int curRow = static_cast<std::int8_t>(in.byte());
  ui::GridRect sel;
  sel.left = static_cast<std::int8_t>(in.byte());
  sel.top = static_cast<std::int8_t>(in.byte());
  sel.right = static_cast<std::int8_t>(in.byte());
  sel.bottom = static_cast<std::int8_t>(in.byte());
  const text::u16 clip = in.units();

  // The clipboard text splits into fields that hold no separator and give
  // the text back when joined.
  const auto lines = points::ParseClipboardText(clip);
  text::u16 joined;
  for (std::size_t l = 0; l < lines.size(); ++l) {
    if (l > 0) joined += u'\n';
    FUZZ_CHECK(!lines[l].empty());
    for (std::size_t f = 0; f < lines[l].size(); ++f) {
      FUZZ_CHECK(lines[l][f].find_first_of(u"\r\n\t") == text::u16::npos);
      if (f > 0) joined += u'\t';
      joined += lines[l][f];
    }
  }
  FUZZ_CHECK(joined == normalised(clip));

  ui::TextGrid grid(cols, rows, (how & 2) ? 0 : 1);
  for (int r = 0; r < grid.rowCount(); ++r)
    for (int c = 0; c < cols; ++c) grid.setCell(c, r, marker(c, r));
  grid.setCurrent(curCol, curRow);
  if (how & 4) grid.setSelection(sel);

  fakes::FakeClipboard clipboard;
  clipboard.text = clip;
  int left = 0, top = 1;
  if (how & 1) {
    // Never above the first data row, even in a list that has none.
    left = grid.selection().left;
    top = std::max(grid.selection().top, grid.fixedRows());
    points::PasteAtCurrentCell(grid, clipboard, {});
  } else {
    points::PasteAtFirstCell(grid, clipboard);
  }

  FUZZ_CHECK(grid.rowCount() >= rows);
  FUZZ_CHECK(grid.rowCount() >= top + static_cast<long long>(lines.size()));
  FUZZ_CHECK(grid.colCount() == cols);
  for (int r = 0; r < grid.rowCount(); ++r) {
    for (int c = 0; c < cols; ++c) {
      const text::u16& cell = grid.cell(c, r);
      if (c == points::kPlotNoCol && r >= 1) {
        FUZZ_CHECK(cell == text::intToText(r));
        continue;
      }
      const long long l = r - top;
      const long long f = c - left;
      if (l >= 0 && l < static_cast<long long>(lines.size()) && f >= 0 &&
          f < static_cast<long long>(lines[l].size())) {
        FUZZ_CHECK(cell == lines[l][f]);
      } else if (r < rows) {
        FUZZ_CHECK(cell == marker(c, r));
      } else {
        FUZZ_CHECK(cell.empty());
      }
    }
  }
  return 0;
}
