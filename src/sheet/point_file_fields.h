#pragma once
// Point files (CSV and text files of points) as fields: one record per row,
// fields separated by a comma or a TAB, a field in double quotes may hold
// the separator, line breaks and doubled quotes. Rows and columns are those
// of the worksheet the file stands for, so the spreadsheet's column letters
// and start row choose the fields.
#include <functional>
#include <vector>

#include "platform/text_stream.h"
#include "text/u16.h"

namespace surva::sheet {

// The columns a point file can hold: the letters A to Z.
inline constexpr std::size_t kPointFileColumns = 26;

// Comma for ".csv"; TAB for ".tsv" and ".txt" (a ".txt" file without any
// TAB but with commas is comma-separated: `hasTab`, `hasComma` tell);
// comma for any other extension.
char16_t pointFileSeparator(text::u16view path, bool hasTab, bool hasComma);
// The separator a file of that name is written with.
char16_t pointFileSeparatorForWrite(text::u16view path);

// Splits decoded lines into records. Fields beyond column Z are counted
// but not kept. A line break inside quotes stays in the field as LF, the
// way spreadsheets hold line breaks in cells. Text outside quotes is taken
// as it stands (a quote inside an unquoted field is a character, text after
// a closing quote joins the field).
class PointFileRecords : public platform::TextLineSink {
 public:
  // `record(fields, line)`: `line` is the line the record began on (1-based).
  using RecordSink = std::function<void(const std::vector<text::u16>& fields, std::size_t line)>;
  PointFileRecords(char16_t separator, RecordSink sink) : separator_(separator), sink_(std::move(sink)) {}

  void text(text::u16view piece) override;
  void lineEnd() override;
  // Throws PointFileError at a NUL character (no text file holds one) and
  // when a record grows beyond kMaxPointRecordChars.
  // End of the input: an unfinished record is passed on. Throws
  // PointFileError when a quote was left open.
  void finish();

 private:
  void endField();
  void endRecord();
  void add(char16_t c);

  enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
  char16_t separator_;
  RecordSink sink_;
  State state_ = State::FieldStart;
  std::vector<text::u16> fields_{text::u16()};
  std::size_t columns_ = 1;  // fields of the record so far, kept or not
  std::size_t chars_ = 0;    // characters of the record so far
  std::size_t line_ = 1;     // the current line
  std::size_t recordLine_ = 1;
  bool any_ = false;         // the current line holds something
};

// A point file that cannot be taken: the line it stops at and why.
struct PointFileError {
  std::size_t line;
  text::u16 reason;
};

// Longest record taken, in characters: real point rows are a few dozen.
inline constexpr std::size_t kMaxPointRecordChars = 1 << 16;

// One field as written: in quotes, with quotes doubled, only when it holds
// the separator, a quote or a line break.
text::u16 pointFileField(text::u16view text, char16_t separator);

}  // namespace surva::sheet
