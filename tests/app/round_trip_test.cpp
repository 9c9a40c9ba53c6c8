// Random main lists sent out and read back through each pair of commands
// keep their points: exactly where the format holds the texts, to the
// format's precision where it holds numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <random>

#include "main_form_fixture.h"
#include "sheet/sheet_fixture.h"
#include "sim/cad.h"
#include "text/number.h"

using namespace surva;
using text::u16;

namespace {

using Row = std::array<u16, 4>;

// Japanese and Latin names, coordinates negative and large with up to six
// decimals, Z empty now and then (never in row 1: a SIMA build needs it).
std::vector<Row> randomList(std::mt19937& rng, int rows) {
  static const u16 stems[] = {u"境界-", u"基準点", u"ﾄﾞｳﾛ", u"東京都千代田区", u"P", u"007-", u"No.", u"多角点 "};
  auto number = [&](bool wide) {
    const long long whole = std::uniform_int_distribution<long long>(wide ? -99999999 : -999, wide ? 99999999 : 999)(rng);
    const int decimals = std::uniform_int_distribution<int>(0, 6)(rng);
    u16 t = text::intToText(whole < 0 ? -whole : whole);
    if (whole < 0) t = u"-" + t;
    if (decimals > 0) {
      t += u'.';
      for (int i = 0; i < decimals; ++i) t += char16_t(u'0' + std::uniform_int_distribution<int>(0, 9)(rng));
    }
    if (t == u"-0") t = u"0";
    return t;
  };
  std::vector<Row> list;
  for (int i = 0; i < rows; ++i) {
    const u16& stem = stems[std::uniform_int_distribution<int>(0, std::size(stems) - 1)(rng)];
    const bool wide = rng() % 2;
    list.push_back({stem + text::intToText(i + 1), number(wide), number(wide),
                    i > 0 && rng() % 4 == 0 ? u16() : number(false)});
  }
  return list;
}

struct RoundTrip : sheettest::SheetFixture {
  ui::TextGrid& main = form.StringGrid1.cells();
  void put(const std::vector<Row>& rows) {
    main.setRowCount(1 + static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i)
      main.setRowCells(static_cast<int>(i) + 1, {rows[i][0], rows[i][1], rows[i][2], rows[i][3], u""});
  }
  std::vector<Row> got() {
    std::vector<Row> rows;
    for (int r = 1; r < main.rowCount(); ++r) rows.push_back({main.cell(0, r), main.cell(1, r), main.cell(2, r), main.cell(3, r)});
    return rows;
  }
};

// The same numbers, text aside ("1.50" and "1.5").
void expectSameValues(const std::vector<Row>& back, const std::vector<Row>& sent) {
  ASSERT_EQ(back.size(), sent.size());
  for (std::size_t i = 0; i < sent.size(); ++i) {
    EXPECT_EQ(back[i][0], sent[i][0]);
    for (int c = 1; c < 4; ++c)
      EXPECT_EQ(text::tryParseNumber(back[i][c]), text::tryParseNumber(sent[i][c]))
          << text::toUtf8(sent[i][c]) << " -> " << text::toUtf8(back[i][c]);
  }
}

}  // namespace

TEST(RoundTrip, PointFileKeepsEveryText) {
  RoundTrip f;
  std::mt19937 rng(20261211);
  f.form.CheckBox8.click();  // Z on
  for (const char16_t* name : {u"C:\\p.csv", u"C:\\p.txt"}) {
    const auto sent = randomList(rng, 40);
    f.put(sent);
    f.fakes.dialogs.saveAnswers.push_back(name);
    f.form.N33.click();
    f.put({});
    f.fakes.dialogs.openAnswers.push_back(name);
    f.form.N32.click();
    EXPECT_EQ(f.got(), sent);
  }
  EXPECT_TRUE(f.fakes.dialogs.shown.empty());
}

// The file's station names are numbered anew from the start name ("A1",
// "A2", ...); the coordinates come back.
TEST(RoundTrip, SimaKeepsCoordinateTextsAndThousandthsKeepWholeMillimetres) {
  RoundTrip f;
  std::mt19937 rng(1211);
  auto numbered = [](std::vector<Row> rows) {
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i][0] = u"A" + text::intToText(static_cast<long long>(i) + 1);
    return rows;
  };
  f.form.Edit30.setText(u"A1");
  auto roundTrip = [&](const std::vector<Row>& sent, bool swap, bool thousandths) {
    f.form.CheckBox14.setChecked(thousandths);
    f.form.CheckBox15.setChecked(swap);
    f.put(sent);
    f.form.Button10.click();
    f.fakes.dialogs.saveAnswers.push_back(u"C:\\s.sim");
    f.form.Button11.click();
    f.form.CheckBox12.setChecked(swap);
    f.form.CheckBox13.setChecked(thousandths);
    f.fakes.dialogs.openAnswers.push_back(u"C:\\s.sim");
    f.form.Button9.click();
    return f.got();
  };
  for (bool swap : {false, true}) {
    // Without "1/1000" the file holds the texts as they are.
    auto sent = randomList(rng, 30);
    EXPECT_EQ(roundTrip(sent, swap, false), numbered(sent)) << swap;

    // With it, millimetres go out as metres with three decimals and come
    // back under "×1000" rounded to whole millimetres, halves away from
    // zero; an empty Z comes back as 0.
    auto expected = numbered(sent);
    for (auto& row : expected)
      for (int c = 1; c < 4; ++c)
        row[c] = text::intToText(std::llround(text::parseNumber(row[c])));
    EXPECT_EQ(roundTrip(sent, swap, true), expected) << swap;
  }
  // Only the overwrite question, and the read options' question once the
  // list was changed since the last read.
  for (const auto& m : f.fakes.dialogs.shown)
    EXPECT_TRUE(m.message == u"すでにファイルが存在します．上書きしますか？" ||
                m.message.starts_with(u"メインリストは SIMA 読み込みの後に変更されています"))
        << text::toUtf8(m.message);
}

TEST(RoundTrip, WorksheetKeepsNamesAndValues) {
  RoundTrip f;
  std::mt19937 rng(42);
  f.form.CheckBox8.click();  // Z on
  const auto sent = randomList(rng, 30);
  f.put(sent);
  f.form.Button5.click();
  f.put({});
  f.form.Button1.click();
  expectSameValues(f.got(), sent);
}

// "CADへ" draws points and their station names; "CADから" takes the points
// back, named after the nearest text, rounded to the harvest's decimals.
TEST(RoundTrip, CadKeepsNamesAndCoordinatesToTheHarvestDecimals) {
  app::testing::MainFormFixture f;
  auto cad = std::make_shared<sim::Cad>(f.fakes.files, f.fakes.codec);
  sim::SimAutomation automation;
  automation.registerCad(f.state.targetProgId, cad);
  f.fakes.services.automation = &automation;
  f.state.exchangeDxfPath = u"C:\\Surva\\surva.dxf";
  auto& form = f.form;
  for (ui::CheckBox* c : {&form.CheckBox21, &form.CheckBox26, &form.CheckBox4, &form.CheckBox1, &form.CheckBox6})
    c->setChecked(false);
  for (ui::CheckBox* c : {&form.CheckBox22, &form.CheckBox23, &form.CheckBox2, &form.CheckBox3}) c->setChecked(true);
  if (!form.CheckBox8.checked()) form.CheckBox8.click();  // 3D
  form.UpDown6.setPosition(3);
  form.Edit31.setText(u"");

  std::mt19937 rng(7);
  auto sent = randomList(rng, 25);
  ui::TextGrid& main = form.StringGrid1.cells();
  main.setRowCount(1 + static_cast<int>(sent.size()));
  for (std::size_t i = 0; i < sent.size(); ++i)
    main.setRowCells(static_cast<int>(i) + 1,
                     {sent[i][0], sent[i][1], sent[i][2], sent[i][3], text::intToText(static_cast<long long>(i) + 1)});
  form.Button2.click();
  ASSERT_EQ(cad->drawing().entities().size(), 2 * sent.size());  // a point and a name each
  std::vector<u16> handles;
  for (const auto& e : cad->drawing().entities()) handles.push_back(e.handle);
  cad->user().push(sim::UserAction::select(std::move(handles)));
  cad->user().push(sim::UserAction::finish());
  form.Button4.click();
  EXPECT_TRUE(f.fakes.dialogs.shown.empty());

  std::vector<Row> back;
  for (int r = 1; r < main.rowCount(); ++r) back.push_back({main.cell(0, r), main.cell(1, r), main.cell(2, r), main.cell(3, r)});
  for (auto& row : sent)
    for (int c = 1; c < 4; ++c) row[c] = text::formatFixed(text::parseNumber(row[c]), 3);
  std::sort(back.begin(), back.end());
  std::sort(sent.begin(), sent.end());
  EXPECT_EQ(back, sent);
}
