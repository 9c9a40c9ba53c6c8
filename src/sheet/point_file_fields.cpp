#include "sheet/point_file_fields.h"

namespace surva::sheet {

namespace {

bool endsWithIgnoreCase(text::u16view s, text::u16view end) {
  return s.size() >= end.size() && text::equalsIgnoreAsciiCase(s.substr(s.size() - end.size()), end);
}

}  // namespace

char16_t pointFileSeparator(text::u16view path, bool hasTab, bool hasComma) {
  if (endsWithIgnoreCase(path, u".tsv")) return u'\t';
  if (endsWithIgnoreCase(path, u".txt")) return !hasTab && hasComma ? u',' : u'\t';
  return u',';
}

char16_t pointFileSeparatorForWrite(text::u16view path) {
  return endsWithIgnoreCase(path, u".tsv") || endsWithIgnoreCase(path, u".txt") ? u'\t' : u',';
}

void PointFileRecords::add(char16_t c) {
  if (c == u'\0')
    throw PointFileError{recordLine_, text::intToText(static_cast<long long>(recordLine_)) +
                                          u" 行目に NUL 文字があります．テキストファイルではありません．"};
  if (++chars_ > kMaxPointRecordChars)
    throw PointFileError{recordLine_, text::intToText(static_cast<long long>(recordLine_)) + u" 行目が長すぎます．"};
  if (columns_ <= kPointFileColumns) fields_.back() += c;
}

void PointFileRecords::endField() {
  ++columns_;
  if (columns_ <= kPointFileColumns) fields_.emplace_back();
  state_ = State::FieldStart;
}

void PointFileRecords::endRecord() {
  sink_(fields_, recordLine_);
  fields_.assign(1, text::u16());
  columns_ = 1;
  chars_ = 0;
  state_ = State::FieldStart;
  any_ = false;
}

void PointFileRecords::text(text::u16view piece) {
  if (!piece.empty()) any_ = true;
  for (char16_t c : piece) {
    switch (state_) {
      case State::FieldStart:
      case State::QuoteInQuoted:
        if (c == u'"') {
          if (state_ == State::QuoteInQuoted) add(c);  // a doubled quote
          state_ = State::Quoted;
        } else if (c == separator_) {
          endField();
        } else {
          add(c);
          state_ = State::Unquoted;
        }
        break;
      case State::Unquoted:
        if (c == separator_)
          endField();
        else
          add(c);
        break;
      case State::Quoted:
        if (c == u'"')
          state_ = State::QuoteInQuoted;
        else
          add(c);
        break;
    }
  }
}

void PointFileRecords::lineEnd() {
  ++line_;
  if (state_ == State::Quoted) {
    add(u'\n');
    return;
  }
  endRecord();
  recordLine_ = line_;
}

void PointFileRecords::finish() {
  if (state_ == State::Quoted)
    throw PointFileError{recordLine_, text::intToText(static_cast<long long>(recordLine_)) +
                                          u" 行目の引用符 (\") が閉じていません．"};
  // An unfinished last line (no final line break) is a record too.
  if (any_ || columns_ > 1) endRecord();
}

text::u16 pointFileField(text::u16view text, char16_t separator) {
  const char16_t special[] = {separator, u'"', u'\r', u'\n', 0};
  if (text.find_first_of(special) == text::u16view::npos) return text::u16(text);
  text::u16 out = u"\"";
  for (char16_t c : text) {
    if (c == u'"') out += u'"';
    out += c;
  }
  return out + u'"';
}

}  // namespace surva::sheet
