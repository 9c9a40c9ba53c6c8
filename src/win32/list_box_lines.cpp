#include "win32/list_box_lines.h"

#include "win32/wide.h"

namespace surva::win32 {

void setListBoxLines(HWND list, text::u16view text) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    if (end == text::u16view::npos) end = text.size();
    text::u16 line(text.substr(start, end - start));
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideOf(line)));
    start = end + 1;
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace surva::win32
