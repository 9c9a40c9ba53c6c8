// "ID": picks in the stand-in CAD become named rows of the main list, with
// labels; the question, the end of the picking and the finish of the list.
#include <gtest/gtest.h>

#include <functional>

#include "cad/pick_names.h"
#include "cad/point_picking.h"
#include "cad_fixture.h"
#include "sim/dump.h"

namespace surva::cadtest {
namespace {

using platform::Answer;
using sim::UserAction;
using text::u16;

struct RecordingPickingWindow : cad::PickingWindow {
  void minimise() override { events.push_back("minimise"); }
  void restore() override { events.push_back("restore"); }
  void showNextName(const u16& name) override { nextName = name; }
  void pickWritten() override {
    ++written;
    if (onPick) onPick();
  }
  void bringToFront() override {}  // checked on the main window
  std::function<void()> onPick;
  std::vector<std::string> events;
  u16 nextName = u"(unchanged)";
  int written = 0;
};

struct PointPickingTest : ::testing::Test, CadFixture {
  PointPickingTest() { settings.dimscale = false; }
  void pick() { cad::PickPointsToList(services(), kProgId, settings, list, window); }
  void fill(int rows, int withX) {
    list.setRowCount(rows + 1);
    for (int r = 1; r <= rows; ++r)
      list.setRowCells(r, {u"K" + text::intToText(r), r <= withX ? u"1" : u"", u"2", u"", text::intToText(r)});
  }
  std::vector<u16> row(int r) { return list.rowCells(r); }
  std::vector<const sim::Entity*> texts() {
    std::vector<const sim::Entity*> out;
    for (const auto& e : cad->drawing().entities())
      if (e.kind == sim::EntityKind::Text) out.push_back(&e);
    return out;
  }

  cad::PickingSettings settings;
  ui::TextGrid list;
  RecordingPickingWindow window;
};

TEST(PickNamesTest, NextNamesCountOnTheLastRunOfDigits) {
  struct Case {
    const char16_t* before;
    std::vector<u16> names;
  } cases[] = {
      {u"101", {u"101", u"102", u"103", u"104"}},      {u"A-8", {u"A-8", u"A-9", u"A-10", u"A-11"}},
      {u"A-08", {u"A-8", u"A-9", u"A-10", u"A-11"}},   {u"P1a", {u"P1a", u"P2a", u"P3a", u"P4a"}},
      {u"A1B2", {u"A1B2", u"A1B3", u"A1B4", u"A1B5"}}, {u"No", {u"0No", u"1No", u"2No", u"3No"}},
      {u"", {u"0", u"1", u"2", u"3"}},
      // Blanks and control characters around the name go; digits beyond
      // 32 bits count from 0; the count itself goes past 32 bits.
      {u" \t7 \r\n", {u"7", u"8", u"9", u"10"}},       {u"X99999999999", {u"X0", u"X1", u"X2", u"X3"}},
      {u"2147483647", {u"2147483647", u"2147483648", u"2147483649", u"2147483650"}},
  };
  for (const auto& c : cases) {
    auto parts = cad::SplitNameAtNumber(c.before);
    auto n = cad::NameNumber(parts.digits);
    for (const auto& want : c.names) EXPECT_EQ(cad::NameWithNumber(parts, n++), want) << text::toUtf8(c.before);
  }
}

TEST_F(PointPickingTest, AppendGoesAfterTheLastRowWithXAndLabelsSitOnTheRoundedPoints) {
  fill(7, 5);
  settings.decimals = 3;
  settings.nextName = u"A-08";
  settings.dimscale = true;
  cad->drawing().variables().setRaw(u"DIMSCALE", platform::Variant(100.0));
  cad->drawing().add(sim::makeLine({0, 50, 0}, {100, 50, 0}));
  cad->drawing().add(sim::makeLine({50, 0, 0}, {50, 100, 0}));
  cad->user().push(UserAction::pickPoint({12345.6, 200.5, 0}));
  cad->user().push(UserAction::pickPoint({50.4, 49.3, 0}));  // snapped to (50,50)
  cad->user().push(UserAction::pickPoint({10.00049, 20.0004, 1.23456}));
  cad->user().push(UserAction::escape());
  pick();

  ASSERT_EQ(fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(fakes.dialogs.shown[0].message, cad::kAppendQuestion);
  EXPECT_EQ(fakes.dialogs.shown[0].caption, u"Surva");
  EXPECT_EQ(fakes.dialogs.shown[0].buttons, platform::Buttons::YesNoCancel);
  ASSERT_EQ(list.dataRowCount(), 8);
  EXPECT_EQ(row(5), (std::vector<u16>{u"K5", u"1", u"2", u"", u"5"}));
  EXPECT_EQ(row(6), (std::vector<u16>{u"A-8", u"12345.600", u"200.500", u"0.000", u"6"}));
  EXPECT_EQ(row(7), (std::vector<u16>{u"A-9", u"50.000", u"50.000", u"0.000", u"7"}));
  EXPECT_EQ(row(8), (std::vector<u16>{u"A-10", u"10.000", u"20.000", u"1.235", u"8"}));
  EXPECT_EQ(window.nextName, u"A-11");
  EXPECT_EQ(window.written, 3);
  EXPECT_EQ(window.events, (std::vector<std::string>{"minimise", "restore"}));
  EXPECT_EQ(cad->calls().count(u"SendCommand"), 4u);
  EXPECT_EQ(cad->commandLine().lastSnapUsed, u"int");

  auto labels = texts();
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[2]->textString, u"A-10");
  EXPECT_EQ(labels[2]->layer, u"SURVA_TEXTPT");
  EXPECT_EQ(labels[2]->insertion, (sim::Vec3{10, 20, 1.235}));
  EXPECT_EQ(labels[0]->height, 250);
}

TEST_F(PointPickingTest, EscAtTheFirstPromptEmptiesANewListOrCutsAfterTheLastRowWithX) {
  fill(4, 4);
  fakes.dialogs.answers = {Answer::No};
  cad->user().push(UserAction::escape());
  pick();
  ASSERT_EQ(list.dataRowCount(), 1);
  EXPECT_EQ(row(1), std::vector<u16>(5));
  EXPECT_EQ(window.nextName, u"(unchanged)");
  EXPECT_EQ(window.written, 0);

  fill(4, 2);
  fakes.dialogs.answers = {Answer::Yes};
  cad->user().push(UserAction::escape());
  pick();
  ASSERT_EQ(list.dataRowCount(), 2);
  EXPECT_EQ(row(2), (std::vector<u16>{u"K2", u"1", u"2", u"", u"2"}));
}

TEST_F(PointPickingTest, CancelInTheQuestionChangesNothing) {
  fill(3, 1);
  auto before = list.rowCells(3);
  fakes.dialogs.answers = {Answer::Cancel};
  cad->user().push(UserAction::pickPoint({5, 5, 0}));
  pick();
  EXPECT_EQ(list.dataRowCount(), 3);
  EXPECT_EQ(list.rowCells(3), before);
  EXPECT_EQ(window.nextName, u"(unchanged)");
  EXPECT_TRUE(window.events.empty());
  EXPECT_EQ(cad->calls().count(u"SendCommand"), 0u);
  EXPECT_FALSE(cad->drawing().findLayer(u"SURVA_TEXTPT"));
}

TEST_F(PointPickingTest, APickNoMoreThanOneUnitAwayEndsThePicking) {
  cad->drawing().variables().setPoint(u"LASTPOINT", {100, 100, 0});
  cad->user().push(UserAction::pickPoint({100.5, 100.5, 0}));  // within 1 of the last point before
  pick();
  EXPECT_EQ(list.dataRowCount(), 1);
  EXPECT_EQ(list.cell(1, 1), u"");

  cad->user().push(UserAction::pickPoint({10, 10, 0}));
  cad->user().push(UserAction::pickPoint({11, 10, 99}));  // exactly 1 in X-Y, whatever the Z
  cad->user().push(UserAction::escape());                 // not reached when the rule holds
  settings.labels = false;
  pick();
  EXPECT_EQ(list.dataRowCount(), 1);
  EXPECT_EQ(list.cell(1, 1), u"10");
  EXPECT_EQ(list.cell(4, 1), u"1");
  EXPECT_TRUE(texts().empty());
  EXPECT_TRUE(cad->drawing().findLayer(u"SURVA_TEXTPT"));  // made sure of all the same
}

TEST_F(PointPickingTest, LabelHeightFromTheFieldAndDimscale) {
  settings.dimscale = true;
  cad->drawing().variables().setRaw(u"DIMSCALE", platform::Variant(0.0));
  cad->user().push(UserAction::pickPoint({10, 10, 0}));
  cad->user().push(UserAction::escape());
  pick();
  cad->drawing().variables().setRaw(u"DIMSCALE", platform::Variant(4.0));
  settings.labelHeight = u"2,5";  // not a number
  cad->user().push(UserAction::pickPoint({20, 10, 0}));
  cad->user().push(UserAction::escape());
  pick();
  auto labels = texts();
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0]->height, 2.5);
  EXPECT_EQ(labels[1]->height, 10);
}

TEST_F(PointPickingTest, ARefusedLabelLeavesTheRowAndThePickingGoesOn) {
  settings.labelHeight = u"0";
  cad->user().push(UserAction::pickPoint({10, 10, 0}));
  cad->user().push(UserAction::pickPoint({20, 10, 0}));
  cad->user().push(UserAction::escape());
  pick();
  EXPECT_EQ(list.dataRowCount(), 2);
  EXPECT_TRUE(texts().empty());
}

TEST_F(PointPickingTest, ACadClosedWhilePickingEndsItLikeACancel) {
  cad->user().push(UserAction::pickPoint({10, 10, 0}));
  cad->user().push(UserAction::pickPoint({20, 10, 0}));
  cad->user().push(UserAction::close());
  pick();
  EXPECT_EQ(window.events, (std::vector<std::string>{"minimise", "restore"}));
  ASSERT_EQ(list.dataRowCount(), 2);
  EXPECT_EQ(list.cell(0, 2), u"102");
  EXPECT_EQ(list.cell(4, 2), u"2");
}

TEST_F(PointPickingTest, ACadClosedBetweenTwoPicksEndsThePickingLikeACancel) {
  fill(3, 3);
  fakes.dialogs.answers = {Answer::No};
  cad->user().push(UserAction::pickPoint({10, 10, 0}));
  window.onPick = [this] { cad->close(); };  // the next LASTPOINT read fails
  pick();
  EXPECT_EQ(window.events, (std::vector<std::string>{"minimise", "restore"}));
  ASSERT_EQ(list.dataRowCount(), 1);
  EXPECT_EQ(list.cell(1, 1), u"10");
  EXPECT_TRUE(fakes.dialogs.shown.size() == 1u);  // the question only
}

}  // namespace
}  // namespace surva::cadtest
