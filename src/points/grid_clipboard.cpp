#include "points/grid_clipboard.h"

namespace surva::points {

text::u16 GridClipboardText(const ui::TextGrid& grid, const ui::GridRect& rect) {
  text::u16 out;
  for (int r = rect.top; r <= rect.bottom; ++r) {
    for (int c = rect.left; c <= rect.right; ++c) {
      if (c > rect.left) out += u'\t';
      out += grid.cell(c, r);
    }
    out += u"\r\n";
  }
  return out;
}

namespace {

std::vector<text::u16> splitFields(text::u16view line) {
  std::vector<text::u16> fields;
  std::size_t from = 0;
  for (;;) {
    const std::size_t tab = line.find(u'\t', from);
    if (tab == text::u16view::npos) break;
    fields.emplace_back(line.substr(from, tab - from));
    from = tab + 1;
  }
  fields.emplace_back(line.substr(from));
  return fields;
}

}  // namespace

ClipboardLines ParseClipboardText(text::u16view text) {
  ClipboardLines lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find_first_of(u"\r\n", from);
    if (end == text::u16view::npos) {
      lines.push_back(splitFields(text.substr(from)));
      break;
    }
    lines.push_back(splitFields(text.substr(from, end - from)));
    from = end + 1;
    if (text[end] == u'\r' && from < text.size() && text[from] == u'\n') ++from;
  }
  return lines;
}

}  // namespace surva::points
