// Building the SIMA write list and saving it as a file.
#include <gtest/gtest.h>

#include "platform/text_file.h"
#include "sima/sima_reader.h"
#include "sima/sima_transfer.h"
#include "sima/sima_write_list.h"
#include "sima/sima_writer.h"
#include "support/fakes.h"
#include "text/error.h"

using namespace surva;
using namespace surva::sima;
using text::u16;

namespace {

ui::TextGrid mainList(const std::vector<std::vector<u16>>& rows) {
  ui::TextGrid g(5, static_cast<int>(rows.size()) + 1);
  for (std::size_t r = 0; r < rows.size(); ++r) g.setRowCells(static_cast<int>(r) + 1, rows[r]);
  return g;
}

ui::TextGrid built(const std::vector<std::vector<u16>>& rows, SimaWriteOptions o = {}) {
  ui::TextGrid w(6, 5);
  BuildSimaWriteList(mainList(rows), w, o);
  return w;
}

std::vector<u16> lines(const ui::TextGrid& w) {
  auto all = SimaFileLines(w);
  return std::vector<u16>(all.begin() + 3, all.end() - 1);  // the point lines
}

struct Saving {
  fakes::TestServices fakes;
  std::string saved(const ui::TextGrid& w, const u16& name = u"C:\\s\\survey") {
    fakes.dialogs.saveAnswers.push_back(name);
    SaveSimaWriteList(w, fakes.services);
    auto it = fakes.files.files.find(name + u".sim");
    return it == fakes.files.files.end() ? "(none)" : it->second;
  }
};

}  // namespace

TEST(SimaWrite, PointRowsFollowTheOptions) {
  const std::vector<std::vector<u16>> rows{{u"P1", u"12345", u"67890", u"500"},
                                           {u"P2", u"1", u"", u"1"},  // no Y: left out, number used up
                                           {u"P3", u"12345.678", u"x", u""}};
  EXPECT_EQ(lines(built(rows)), (std::vector<u16>{u"A01,    1,A1,67.890,12.345,0.500,", u"A01,    3,A3,0.000,12.346,0.000,"}));
  EXPECT_EQ(lines(built(rows, {u"A1", false, false})),
            (std::vector<u16>{u"A01,    1,A1,12345,67890,500,", u"A01,    3,A3,12345.678,x,,"}));
  auto w = built(rows);
  EXPECT_EQ(w.rowCount(), 5);
  EXPECT_EQ(w.cell(0, 1), u"A00");
  EXPECT_EQ(w.rowCells(4), (std::vector<u16>{u"A99", u"", u"", u"", u"", u""}));
}

// The point moves in the typed decimal: a typed half rounds away from zero
// whichever side of it the binary quotient lies.
TEST(SimaWrite, UnitChangesRoundTheTypedDecimal) {
  struct {
    const char16_t* typed;
    const char16_t* thousandths;  // "1/1000" of the write list
    const char16_t* times1000;    // "×1000" of the read transfer
  } cases[] = {
      {u"12345.5", u"12.346", u"12345500"}, {u"12344.5", u"12.345", u"12344500"}, {u"1234.5", u"1.235", u"1234500"},
      {u"99999.5", u"100.000", u"99999500"}, {u"-12345.5", u"-12.346", u"-12345500"}, {u"-0.4", u"0.000", u"-400"},
      {u"0.0005", u"0.000", u"0.5"},         {u"", u"0.000", u"0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SimaWriteValue(c.typed, true), c.thousandths) << text::toUtf8(c.typed);
    EXPECT_EQ(SimaTransferValue(c.typed, true), c.times1000) << text::toUtf8(c.typed);
  }
}

TEST(SimaWrite, StartNamesAndPointNumbers) {
  std::vector<std::vector<u16>> rows(12345, {u"P", u"1", u"2", u"3"});
  auto name = [&](const u16& start, int row) { return built(std::vector<std::vector<u16>>(rows.begin(), rows.begin() + 10), {start}).cell(2, row); };
  EXPECT_EQ(name(u"A-1", 3), u"A-2");
  EXPECT_EQ(name(u"101", 3), u"102");
  EXPECT_EQ(name(u"P", 2), u"P0");
  EXPECT_EQ(name(u"A09", 3), u"A10");
  EXPECT_EQ(name(u"N2147483647", 3), u"N2147483648");  // counts on, never negative
  auto w = built(rows);
  EXPECT_EQ(w.cell(1, 13), u"   12");
  EXPECT_EQ(w.cell(1, 12346), u"12345");

  ui::TextGrid kept(6, 5);
  kept.setCell(0, 1, u"mine");
  EXPECT_THROW(BuildSimaWriteList(mainList({{u"P", u"1", u"2", u"3"}}), kept, {u"A99999999999"}), Failure);
  EXPECT_EQ(kept.cell(0, 1), u"mine");  // nothing part-built
  EXPECT_FALSE(BuildSimaWriteList(mainList({{u"P", u"1", u"2", u""}}), kept, {}));  // first row needs Z
  EXPECT_EQ(kept.cell(0, 1), u"mine");
}

TEST(SimaWrite, SavesTheExactFileOnlyAfterTheChecks) {
  Saving s;
  auto w = built({{u"P1", u"12345", u"67890", u"500"}, {u"P2", u"22345", u"77890", u"600"}});
  EXPECT_EQ(s.saved(w),
            "G00,01,,\r\nZ00,// AutoCAD\x8D\xC0\x95\x57\x93\xC7\x82\xDD\x8E\xE6\x82\xE8\x83\x66\x81\x5B\x83\x5E//,\r\n"
            "A00,\r\nA01,    1,A1,67.890,12.345,0.500,\r\nA01,    2,A2,77.890,22.345,0.600,\r\nA99,\r\n");
  EXPECT_EQ(s.fakes.dialogs.fileRequests.back().filter, u"*.sim|*.sim");
  EXPECT_TRUE(s.fakes.dialogs.shown.empty());

  // Two empty names: two messages, no dialog.
  auto blank = w;
  blank.setCell(2, 2, u"");
  blank.setCell(2, 3, u"");
  s.fakes.dialogs.fileRequests.clear();
  SaveSimaWriteList(blank, s.fakes.services);
  ASSERT_EQ(s.fakes.dialogs.shown.size(), 2u);
  EXPECT_EQ(s.fakes.dialogs.shown[1].message, u"3 行の測点名が空白です.");
  EXPECT_EQ(s.fakes.dialogs.shown[1].caption, u"確認");
  EXPECT_TRUE(s.fakes.dialogs.fileRequests.empty());

  // A single point row is not saved, without a message.
  s.fakes.dialogs.shown.clear();
  SaveSimaWriteList(built({{u"P1", u"1", u"2", u"3"}}), s.fakes.services);
  EXPECT_TRUE(s.fakes.dialogs.shown.empty() && s.fakes.dialogs.fileRequests.empty());
}

TEST(SimaWrite, CellsThatWouldCorruptTheFileAreRefused) {
  auto w = built({{u"P1", u"1", u"2", u"3"}, {u"P2", u"4", u"5", u"6"}});
  struct Case {
    int col, row;
    u16 text, message;
  } cases[] = {
      {3, 3, u"1,5", u"3 行 X座標 にカンマまたは改行が含まれているため保存できません."},
      {2, 2, u"A\r\nB", u"2 行 測点名 にカンマまたは改行が含まれているため保存できません."},
      {2, 3, u"測\U00020BB7", u"3 行 測点名 の文字「\U00020BB7」(U+20BB7) は Shift_JIS にないため保存できません."},
      {0, 4, u"A99é", u"4 行 コード の文字「é」(U+00E9) は Shift_JIS にないため保存できません."},
  };
  for (const Case& c : cases) {
    Saving s;
    auto bad = w;
    bad.setCell(c.col, c.row, c.text);
    EXPECT_EQ(s.saved(bad), "(none)");
    ASSERT_EQ(s.fakes.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.fakes.dialogs.shown[0].message, c.message);
    EXPECT_TRUE(s.fakes.dialogs.fileRequests.empty());
  }
}

TEST(SimaWrite, NamesOverwriteQuestionAndFailedWrites) {
  Saving s;
  auto w = built({{u"P1", u"1", u"2", u"3"}, {u"P2", u"4", u"5", u"6"}});
  s.fakes.dialogs.saveAnswers.push_back(u"C:\\s\\survey.txt");
  SaveSimaWriteList(w, s.fakes.services);
  EXPECT_EQ(s.fakes.files.files.count(u"C:\\s\\survey.txt"), 1u);

  s.fakes.files.files[u"C:\\s\\old.sim"] = "old";
  s.fakes.dialogs.answers.push_back(platform::Answer::No);
  EXPECT_EQ(s.saved(w, u"C:\\s\\old"), "old");
  ASSERT_EQ(s.fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(s.fakes.dialogs.shown[0].message, u"すでにファイルが存在します．上書きしますか？");
  EXPECT_EQ(s.fakes.dialogs.shown[0].buttons, platform::Buttons::YesNo);

  s.fakes.files.failWrites = true;
  s.fakes.dialogs.saveAnswers.push_back(u"C:\\s\\old.sim");
  EXPECT_THROW(SaveSimaWriteList(w, s.fakes.services), Failure);
  EXPECT_EQ(s.fakes.files.files[u"C:\\s\\old.sim"], "old");
}

TEST(SimaWrite, WrittenFileReadsBackToTheSameCoordinates) {
  // Whole millimetres, so that "1/1000" with three decimals keeps them all.
  const std::vector<std::vector<u16>> rows{{u"P1", u"12345", u"-67890", u"500"}, {u"P2", u"1", u"1000000", u"-1"}};
  for (bool on : {true, false}) {
    Saving s;
    std::string bytes = s.saved(built(rows, {u"測点1", on, on}));
    s.fakes.files.files[u"r.sim"] = bytes;
    ui::TextGrid sima(6, 2), back(5, 2);
    LoadSimaRecords(ReadSimaPointRecords(s.fakes.files, s.fakes.codec, u"r.sim"), sima, back, {on, on});
    ASSERT_EQ(back.rowCount(), 3);
    for (int r = 1; r <= 2; ++r) {
      EXPECT_EQ(back.cell(0, r), u"測点" + text::intToText(r));
      for (int c = 1; c <= 3; ++c) EXPECT_EQ(back.cell(c, r), rows[r - 1][c]) << r << "," << c;
    }
  }
}
