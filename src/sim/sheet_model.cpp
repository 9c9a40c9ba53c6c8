#include "sim/sheet_model.h"

#include <algorithm>

#include "platform/automation.h"
#include "text/number.h"

namespace surva::sim {

using platform::Variant;

namespace {
constexpr std::int32_t kServerUnavailable = static_cast<std::int32_t>(0x800706BA);
constexpr std::int32_t kCallRejected = static_cast<std::int32_t>(0x80010001);
}  // namespace

text::u16 columnName(int col) {
  text::u16 out;
  for (; col > 0; col = (col - 1) / 26) out.insert(out.begin(), static_cast<char16_t>(u'A' + (col - 1) % 26));
  return out;
}

bool SheetRange::contains(int r, int c) const {
  switch (kind) {
    case Kind::Cell: return r == row && c == col;
    case Kind::Row: return r == row;
    case Kind::Column: return c == col;
    case Kind::Area: return r >= row && r <= lastRow && c >= col && c <= lastCol;
  }
  return false;
}

SheetRange cellsBetween(int row1, int col1, int row2, int col2) {
  if (row1 == row2 && col1 == col2) return {SheetRange::Kind::Cell, row1, col1};
  return {SheetRange::Kind::Area, std::min(row1, row2), std::min(col1, col2), std::max(row1, row2),
          std::max(col1, col2)};
}

text::u16 rangeAddress(const SheetRange& r) {
  const text::u16 first = columnName(r.col) + text::intToText(r.row);
  switch (r.kind) {
    case SheetRange::Kind::Row: return text::intToText(r.row) + u":" + text::intToText(r.row);
    case SheetRange::Kind::Column: return columnName(r.col) + u":" + columnName(r.col);
    case SheetRange::Kind::Area: return first + u":" + columnName(r.lastCol) + text::intToText(r.lastRow);
    case SheetRange::Kind::Cell: break;
  }
  return first;
}

namespace {

// One cell "B7" or "$B$7" as (row, column); nullopt when it is not one.
std::optional<std::pair<int, int>> parseCell(text::u16view s) {
  std::size_t i = 0;
  if (i < s.size() && s[i] == u'$') ++i;
  long col = 0;
  for (; i < s.size(); ++i) {
    const char16_t letter = s[i] >= u'a' && s[i] <= u'z' ? static_cast<char16_t>(s[i] - u'a' + u'A') : s[i];
    if (letter < u'A' || letter > u'Z') break;
    col = col * 26 + (letter - u'A' + 1);
    if (col > kSheetCols) return std::nullopt;
  }
  if (col == 0) return std::nullopt;
  if (i < s.size() && s[i] == u'$') ++i;
  long row = 0;
  const std::size_t digits = i;
  for (; i < s.size() && s[i] >= u'0' && s[i] <= u'9'; ++i) {
    row = row * 10 + (s[i] - u'0');
    if (row > kSheetRows) return std::nullopt;
  }
  if (i == digits || i != s.size() || row == 0) return std::nullopt;
  return std::make_pair(static_cast<int>(row), static_cast<int>(col));
}

}  // namespace

std::optional<SheetRange> parseAddress(text::u16view address) {
  const std::size_t colon = address.find(u':');
  auto first = parseCell(address.substr(0, colon));
  if (!first) return std::nullopt;
  auto last = colon == text::u16view::npos ? first : parseCell(address.substr(colon + 1));
  if (!last) return std::nullopt;
  return cellsBetween(first->first, first->second, last->first, last->second);
}

const Variant& Worksheet::cell(int row, int col) const {
  static const Variant empty;
  auto it = cells.find({row, col});
  return it == cells.end() ? empty : it->second;
}

void Worksheet::setCell(int row, int col, Variant value) {
  if (value.isEmpty()) cells.erase({row, col});
  else cells[{row, col}] = std::move(value);
}

void Worksheet::enter(int row, int col, const text::u16& typed) {
  if (!typed.empty() && typed[0] == u'\'') setCell(row, col, Variant(typed.substr(1)));
  else store(row, col, typed);
}

void Worksheet::store(int row, int col, const text::u16& field) {
  if (auto number = text::tryParseNumber(field)) setCell(row, col, Variant(*number));
  else setCell(row, col, field.empty() ? Variant() : Variant(field));
}

Spreadsheet::Spreadsheet() { books_.push_back({u"Book1", {Worksheet{u"Sheet1"}}, 0}); }

Workbook* Spreadsheet::activeBook() {
  if (activeBook_ < 0 || activeBook_ >= static_cast<int>(books_.size())) return nullptr;
  return &books_[activeBook_];
}

Worksheet* Spreadsheet::activeSheet() {
  Workbook* book = activeBook();
  if (!book || book->activeSheet < 0 || book->activeSheet >= static_cast<int>(book->sheets.size())) return nullptr;
  return &book->sheets[book->activeSheet];
}

void Spreadsheet::setActive(int book, int sheet) {
  activeBook_ = book;
  if (Workbook* b = activeBook()) b->activeSheet = sheet;
}

void Spreadsheet::failMember(text::u16view member, int times, int skip) {
  failures_[text::upperAscii(member)] = {skip, times};
}

void Spreadsheet::checkCall(text::u16view object, text::u16view member, Access access,
                            const platform::VariantArray& args) {
  if (closed_) throw platform::AutomationError(u"RPC サーバーを利用できません。", kServerUnavailable);
  calls_.add({text::u16(object), text::u16(member), access, args});
  if (closeAfter_ && (*closeAfter_)-- <= 0) {
    closed_ = true;
    if (onClose) onClose();
    throw platform::AutomationError(u"RPC サーバーを利用できません。", kServerUnavailable);
  }
  auto it = failures_.find(text::upperAscii(member));
  if (it != failures_.end()) {
    if (it->second.skip > 0) {
      --it->second.skip;
      return;
    }
    if (it->second.times > 0 && --it->second.times == 0) failures_.erase(it);
    throw platform::AutomationError(u"呼び出し先が呼び出しを拒否しました。", kCallRejected);
  }
}

}  // namespace surva::sim
