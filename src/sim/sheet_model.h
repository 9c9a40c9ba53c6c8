#pragma once
// The stand-in spreadsheet: workbooks of sheets of cells, the active
// workbook and sheet, each sheet's visible selection, a log of every
// automation call, and scripted faults (a member that fails, the program
// closing after a number of calls).
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/variant.h"
#include "platform/window_api.h"
#include "sim/call_log.h"

namespace surva::sim {

inline constexpr int kSheetRows = 1048576;
inline constexpr int kSheetCols = 16384;

// A range as the sheet selects it: one cell, a whole row, a whole column or
// a rectangle of cells (from row, col to lastRow, lastCol).
struct SheetRange {
  enum class Kind { Cell, Row, Column, Area };
  Kind kind = Kind::Cell;
  int row = 1;  // unused for a column
  int col = 1;  // unused for a row
  int lastRow = 0;  // only for an area
  int lastCol = 0;
  bool operator==(const SheetRange&) const = default;
  bool contains(int r, int c) const;
};

// The range from one corner to the other: a cell when they are the same.
SheetRange cellsBetween(int row1, int col1, int row2, int col2);
// "B7", "5:5", "E:E", "B2:D9".
text::u16 rangeAddress(const SheetRange& r);
// A cell or area in A1 form ("B7", "$B$2:D9"); nullopt for anything else.
std::optional<SheetRange> parseAddress(text::u16view address);
// "A" for 1, "Z" for 26, "AA" for 27.
text::u16 columnName(int col);

struct Worksheet {
  explicit Worksheet(text::u16 sheetName = {}, bool isChart = false) : name(std::move(sheetName)), chart(isChart) {}

  text::u16 name;
  bool chart = false;  // a chart sheet has no cells
  // Cells that hold a value: empty, number (Double), text, truth value
  // (Bool), date, currency or error value. Key: (row, column), 1-based.
  std::map<std::pair<int, int>, platform::Variant> cells;
  SheetRange selection;

  const platform::Variant& cell(int row, int col) const;
  void setCell(int row, int col, platform::Variant value);
  // Stores a text as typed into the cell: a leading apostrophe keeps the
  // rest as text; otherwise as `store`.
  void enter(int row, int col, const text::u16& typed);
  // Stores a text as a file's field: a text that reads as a number is
  // stored as that number, the empty text empties the cell, anything else
  // stays text (an apostrophe included).
  void store(int row, int col, const text::u16& field);
};

struct Workbook {
  text::u16 name;
  std::vector<Worksheet> sheets;
  int activeSheet = 0;
};

class Spreadsheet {
 public:
  // A spreadsheet with one workbook "Book1" of one sheet "Sheet1".
  Spreadsheet();

  std::vector<Workbook>& books() { return books_; }
  // Null while no workbook is open.
  Workbook* activeBook();
  Worksheet* activeSheet();
  void setActive(int book, int sheet);
  // Closes every workbook (the program still runs).
  void closeAllBooks() { books_.clear(); }

  CallLog& calls() { return calls_; }
  // Whether objects answer with type information (a real spreadsheet
  // does; some servers do not, and every object then looks its member
  // IDs up on its own).
  bool typeInfo = true;
  // How many more ranges of more than one cell the sheet gives; after that
  // it refuses them as a server that knows single cells only. < 0: no limit.
  long multiCellRanges = -1;
  // Range objects handed out and released, for counting round trips.
  long rangesMade = 0;
  long rangesReleased = 0;

  platform::WindowHandle window = 0x2001;
  // A compatible spreadsheet whose sheets have no member `Type`.
  bool sheetsLackType = false;

  // After `skip` calls of `member` (without regard to case) that succeed,
  // makes the next `times` calls (< 0: all) fail as refused calls.
  void failMember(text::u16view member, int times = -1, int skip = 0);
  void clearFailures() { failures_.clear(); }
  // The program closes once `calls` more calls have been answered; every
  // call after that fails as with a vanished server.
  void closeAfter(long calls) { closeAfter_ = calls; }
  void close() { closed_ = true; }
  bool closed() const { return closed_; }
  // Called when the spreadsheet closes by closeAfter (the COM server ends).
  std::function<void()> onClose;

  // Logs a call and applies the scripted faults; throws when it must fail.
  void checkCall(text::u16view object, text::u16view member, Access access, const platform::VariantArray& args);

 private:
  std::vector<Workbook> books_;
  int activeBook_ = 0;
  CallLog calls_;
  struct Failing {
    int skip;
    int times;
  };
  std::map<text::u16, Failing> failures_;  // key: the member upper-cased
  std::optional<long> closeAfter_;
  bool closed_ = false;
};

}  // namespace surva::sim
