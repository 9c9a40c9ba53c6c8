#include "sim/sheet_objects.h"

#include <algorithm>

#include "sim/automation_object.h"
#include "text/error.h"

namespace surva::sim {

using platform::AutomationError;
using platform::ObjectPtr;
using platform::Variant;
using platform::VariantArray;

namespace {

constexpr std::int32_t kDisconnected = static_cast<std::int32_t>(0x80010108);
// The spreadsheet's own "application-defined or object-defined error".
constexpr std::int32_t kObjectDefined = static_cast<std::int32_t>(0x800A03EC);
// The error value #N/A, which fills the cells an assigned array does not reach.
constexpr std::int32_t kNotAvailable = static_cast<std::int32_t>(0x800A07FA);

[[noreturn]] void objectDefined() {
  throw AutomationError(u"アプリケーション定義またはオブジェクト定義のエラーです。", kObjectDefined);
}

const Variant& argAt(const VariantArray& args, std::size_t i) {
  if (i >= args.size()) throw AutomationError(u"引数の数が一致していません。", hr::kBadParamCount);
  return args[i].deref();
}

int indexArg(const VariantArray& args, std::size_t i, int max) {
  int n = argAt(args, i).toInt();
  if (n < 1 || n > max) objectDefined();
  return n;
}

bool is(const text::u16& upper, const char16_t* name) { return upper == name; }

class SheetObject : public AutomationObject {
 public:
  SheetObject(std::shared_ptr<Spreadsheet> sheet, text::u16 objectName)
      : AutomationObject(std::move(objectName)), sheet_(std::move(sheet)) {}

  text::u16 typeName() override { return sheet_->typeInfo ? AutomationObject::typeName() : text::u16(); }

 protected:
  void admit(Access access, text::u16view member, const VariantArray& args) override {
    sheet_->checkCall(objectName(), member, access, args);
  }
  Spreadsheet& model() { return *sheet_; }
  const std::shared_ptr<Spreadsheet>& modelPtr() { return sheet_; }

 private:
  std::shared_ptr<Spreadsheet> sheet_;
};

// A value put into one cell: a text as if typed, anything else as it is.
void putCell(Worksheet& ws, int row, int col, const Variant& value) {
  const Variant& v = value.deref();
  if (v.kind() == Variant::Kind::Text) ws.enter(row, col, v.toText());
  else if (v.kind() == Variant::Kind::Table) putCell(ws, row, col, v.table().cells.empty() ? Variant() : v.table().cells[0]);
  else ws.setCell(row, col, v);
}

// A sheet as its workbook and position; one that has gone (its workbook was
// closed) answers as a disconnected object.
struct SheetPlace {
  int book = 0;
  int sheet = 0;
  Worksheet& in(Spreadsheet& s) const {
    auto& books = s.books();
    if (book >= static_cast<int>(books.size()) || sheet >= static_cast<int>(books[book].sheets.size()))
      throw AutomationError(u"オブジェクトは接続しているクライアントから切断されました。", kDisconnected);
    return books[book].sheets[sheet];
  }
};

class RangeObject : public SheetObject {
 public:
  RangeObject(std::shared_ptr<Spreadsheet> s, SheetPlace place, SheetRange range)
      : SheetObject(std::move(s), u"Range"), place_(place), range_(range) {
    ++model().rangesMade;
  }
  ~RangeObject() override { ++model().rangesReleased; }

  const SheetRange& range() const { return range_; }
  const SheetPlace& place() const { return place_; }

 protected:
  Variant invoke(const text::u16& m, const VariantArray&) override {
    Worksheet& ws = place_.in(model());
    if (is(m, u"SELECT")) {
      ws.selection = range_;
      return Variant(true);
    }
    if (is(m, u"VALUE")) {
      if (range_.kind == SheetRange::Kind::Cell) return ws.cell(range_.row, range_.col);
      // A whole row or column would be a table of a million cells; the
      // program never asks for one.
      if (range_.kind != SheetRange::Kind::Area) objectDefined();
      platform::VariantTable t(range_.lastRow - range_.row + 1, range_.lastCol - range_.col + 1);
      for (int r = 0; r < t.rows; ++r)
        for (int c = 0; c < t.cols; ++c) t.at(r, c) = ws.cell(range_.row + r, range_.col + c);
      return Variant(std::move(t));
    }
    if (is(m, u"ADDRESS")) return Variant(rangeAddress(range_));
    unknownMember();
  }
  void assign(const text::u16& m, const Variant& value) override {
    if (!is(m, u"VALUE")) unknownMember();
    Worksheet& ws = place_.in(model());
    if (range_.kind == SheetRange::Kind::Cell) return putCell(ws, range_.row, range_.col, value);
    if (range_.kind != SheetRange::Kind::Area) objectDefined();
    const Variant& v = value.deref();
    if (v.kind() != Variant::Kind::Table) {
      // One value fills every cell.
      for (int r = range_.row; r <= range_.lastRow; ++r)
        for (int c = range_.col; c <= range_.lastCol; ++c) putCell(ws, r, c, v);
      return;
    }
    // Cell by cell through the entry rule; cells the array does not reach
    // get #N/A, as in the spreadsheet.
    const platform::VariantTable& t = v.table();
    for (int r = 0; r <= range_.lastRow - range_.row; ++r) {
      for (int c = 0; c <= range_.lastCol - range_.col; ++c) {
        const bool inside = r < t.rows && c < t.cols;
        putCell(ws, range_.row + r, range_.col + c,
                inside ? t.at(r, c) : Variant(platform::ErrorValue{kNotAvailable}));
      }
    }
  }

 private:
  SheetPlace place_;
  SheetRange range_;
};

class WorksheetObject : public SheetObject {
 public:
  WorksheetObject(std::shared_ptr<Spreadsheet> s, SheetPlace place, bool chart)
      : SheetObject(std::move(s), chart ? u"Chart" : u"Worksheet"), place_(place), chart_(chart) {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray& args) override {
    Worksheet& ws = place_.in(model());
    if (is(m, u"NAME")) return Variant(ws.name);
    // A worksheet's type; a chart sheet answers its chart's (a pie).
    if (is(m, u"TYPE") && !model().sheetsLackType) return Variant(std::int32_t(chart_ ? 5 : -4167));
    if (chart_) unknownMember();  // a chart sheet has no cells
    if (is(m, u"CELLS")) {
      SheetRange r{SheetRange::Kind::Cell, indexArg(args, 0, kSheetRows), indexArg(args, 1, kSheetCols)};
      return range(r);
    }
    if (is(m, u"ROWS")) return range({SheetRange::Kind::Row, indexArg(args, 0, kSheetRows), 1});
    if (is(m, u"COLUMNS")) return range({SheetRange::Kind::Column, 1, indexArg(args, 0, kSheetCols)});
    if (is(m, u"RANGE")) return rangeOf(args);
    unknownMember();
  }

 private:
  // Range("B2:D9"), Range("B2"), or Range(cell, cell) from one corner to the other.
  Variant rangeOf(const VariantArray& args) {
    SheetRange r;
    if (args.size() == 1 && argAt(args, 0).kind() == Variant::Kind::Text) {
      auto parsed = parseAddress(argAt(args, 0).toText());
      if (!parsed) objectDefined();
      r = *parsed;
    } else {
      // The smallest range holding both.
      const SheetRange a = cornerArg(args, 0);
      const SheetRange b = args.size() > 1 ? cornerArg(args, 1) : a;
      auto bottom = [](const SheetRange& x) { return x.kind == SheetRange::Kind::Area ? x.lastRow : x.row; };
      auto right = [](const SheetRange& x) { return x.kind == SheetRange::Kind::Area ? x.lastCol : x.col; };
      r = cellsBetween(std::min(a.row, b.row), std::min(a.col, b.col), std::max(bottom(a), bottom(b)),
                       std::max(right(a), right(b)));
    }
    if (r.kind == SheetRange::Kind::Area) {
      if (model().multiCellRanges == 0) objectDefined();
      if (model().multiCellRanges > 0) --model().multiCellRanges;
    }
    return range(r);
  }
  // A cell or area of this sheet given as a corner.
  SheetRange cornerArg(const VariantArray& args, std::size_t i) {
    auto* given = dynamic_cast<RangeObject*>(argAt(args, i).toObject().get());
    if (!given || given->place().book != place_.book || given->place().sheet != place_.sheet) objectDefined();
    const SheetRange& r = given->range();
    if (r.kind != SheetRange::Kind::Cell && r.kind != SheetRange::Kind::Area) objectDefined();
    return r;
  }

  Variant range(SheetRange r) { return Variant(ObjectPtr(std::make_shared<RangeObject>(modelPtr(), place_, r))); }
  SheetPlace place_;
  bool chart_;
};

class WorkbookObject : public SheetObject {
 public:
  WorkbookObject(std::shared_ptr<Spreadsheet> s, int book) : SheetObject(std::move(s), u"Workbook"), book_(book) {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray&) override {
    auto& books = model().books();
    if (book_ >= static_cast<int>(books.size()))
      throw AutomationError(u"オブジェクトは接続しているクライアントから切断されました。", kDisconnected);
    Workbook& b = books[book_];
    if (is(m, u"NAME")) return Variant(b.name);
    if (is(m, u"ACTIVESHEET")) {
      if (b.activeSheet < 0 || b.activeSheet >= static_cast<int>(b.sheets.size())) return Variant(ObjectPtr());
      bool chart = b.sheets[b.activeSheet].chart;
      return Variant(ObjectPtr(std::make_shared<WorksheetObject>(modelPtr(), SheetPlace{book_, b.activeSheet}, chart)));
    }
    unknownMember();
  }

 private:
  int book_;
};

class ApplicationObject : public SheetObject {
 public:
  explicit ApplicationObject(std::shared_ptr<Spreadsheet> s) : SheetObject(std::move(s), u"Application") {}

 protected:
  Variant invoke(const text::u16& m, const VariantArray&) override {
    if (is(m, u"NAME")) return Variant(u"Microsoft Excel");
    if (is(m, u"HWND")) return Variant(static_cast<std::int32_t>(model().window));
    if (is(m, u"ACTIVEWORKBOOK")) {
      // Nothing while no workbook is open.
      if (!model().activeBook()) return Variant(ObjectPtr());
      int index = static_cast<int>(model().activeBook() - model().books().data());
      return Variant(ObjectPtr(std::make_shared<WorkbookObject>(modelPtr(), index)));
    }
    unknownMember();
  }
};

}  // namespace

ObjectPtr makeSheetApplication(std::shared_ptr<Spreadsheet> sheet) {
  return std::make_shared<ApplicationObject>(std::move(sheet));
}

}  // namespace surva::sim
