// Undo and redo of the lists, command by command as the user runs them.
#include <gtest/gtest.h>

#include <functional>

#include "main_form_fixture.h"
#include "sim/cad.h"
#include "sim/sim_automation.h"

namespace surva::app {
namespace {

using sim::UserAction;
using text::u16;

// Everything undo gives back: the four lists with their cursors, the SIMA
// check boxes and the enabled state of "リスト表示".
struct Lists {
  std::vector<std::vector<std::vector<u16>>> rows;
  std::vector<ui::GridCursor> cursors;
  std::vector<bool> boxes;
  bool group = false;
  bool operator==(const Lists&) const = default;
};

class UndoTest : public ::testing::Test, public testing::MainFormFixture {
 public:
  UndoTest() {
    cad = std::make_shared<sim::Cad>(fakes.files, fakes.codec);
    automation.registerCad(state.targetProgId, cad);
    fakes.services.automation = &automation;
    form.startUp();
    auto& main = form.StringGrid1.cells();
    main.setRowCount(5);
    const std::vector<std::vector<u16>> typed = {
        {u"B2", u"1", u"2", u"", u"1"}, {u"A10", u"3", u"4", u"", u"2"},
        {u"A9", u"5", u"6", u"", u"3"}, {u"A9", u"5", u"6", u"", u"4"}};
    for (int r = 1; r <= 4; ++r) main.setRowCells(r, typed[r - 1]);
    for (ui::StringGrid* g : grids()) g->cells().setCell(1, 2, u"x");
    form.StringGrid2.cells().setCell(0, 1, u"T1");
    main.setCurrent(1, 2);
    form.history().clear();
  }
  std::vector<ui::StringGrid*> grids() {
    return {&form.StringGrid1, &form.StringGrid2, &form.StringGrid3, &form.StringGrid4};
  }
  Lists lists() {
    Lists l;
    for (ui::StringGrid* g : grids()) {
      std::vector<std::vector<u16>> rows;
      for (int r = 0; r < g->cells().rowCount(); ++r) rows.push_back(g->cells().rowCells(r));
      l.rows.push_back(rows);
      l.cursors.push_back(g->cells().cursor());
    }
    for (ui::CheckBox* b : {&form.CheckBox12, &form.CheckBox13, &form.CheckBox14, &form.CheckBox15})
      l.boxes.push_back(b->checked());
    l.group = form.GroupBox2.enabled();
    return l;
  }
  void ctrl(ui::StringGrid& g, ui::KeyCode key, bool shift = false) { g.keyDown(key, {shift, true, false}); }
  void simaFile() {
    fakes.files.files[u"C:\\in.sim"] = "A01,1,P1,100.5,200.25,10,\r\nA01,2,P2,1,2,3,\r\n";
    fakes.dialogs.openAnswers.push_back(u"C:\\in.sim");
  }

  sim::SimAutomation automation;
  std::shared_ptr<sim::Cad> cad;
};

struct Case {
  const char* name;
  std::function<void(UndoTest&)> setUp;
  std::function<void(UndoTest&)> run;
  const char16_t* label;
};

TEST_F(UndoTest, EachCommandIsOneStepUndoneAndRedoneExactly) {
  const Case cases[] = {
      {"sort", nullptr, [](UndoTest& t) { t.form.N10.click(); }, u"測点名でソート"},
      {"number sort", nullptr, [](UndoTest& t) { t.form.N15.click(); }, u"測点名の番号のみでソート"},
      {"tidy", nullptr, [](UndoTest& t) { t.form.N13.click(); }, u"同じ行データを整理"},
      {"clear selection", [](UndoTest& t) { t.form.StringGrid1.cells().setSelection({0, 1, 2, 3}); },
       [](UndoTest& t) { t.form.N8.click(); }, u"選択範囲をクリア"},
      {"clear all", nullptr, [](UndoTest& t) { t.form.N17.click(); }, u"内部データをすべてクリア"},
      {"menu paste", [](UndoTest& t) { t.fakes.clipboard.text = u"Q\t7\r\nR\t8\r\nS\r\nT\r\nU\r\nV\r\n"; },
       [](UndoTest& t) { t.form.N5.click(); }, u"先頭セルから貼り付け（ペースト）"},
      {"key paste growing", [](UndoTest& t) { t.fakes.clipboard.text = u"K\r\nL\r\nM\r\nN\r\nO\r\nP\r\nW\r\n"; },
       [](UndoTest& t) { t.ctrl(t.form.StringGrid1, 'V'); }, u"貼り付け"},
      {"cut in the SIMA read list", [](UndoTest& t) { t.form.StringGrid3.cells().setSelection({0, 1, 2, 2}); },
       [](UndoTest& t) { t.ctrl(t.form.StringGrid3, 'X'); }, u"切り取り"},
      {"delete a TEXT row", [](UndoTest& t) { t.form.StringGrid2.cells().setCurrent(0, 1); },
       [](UndoTest& t) { t.form.StringGrid2.keyDown(ui::keys::Delete, {true, false, false}); }, u"行の削除"},
      {"insert a write-list row", [](UndoTest& t) { t.form.StringGrid4.cells().setCurrent(1, 2); },
       [](UndoTest& t) { t.form.StringGrid4.keyDown(ui::keys::Insert, {true, false, false}); }, u"行の挿入"},
      {"delete a cell", nullptr, [](UndoTest& t) { t.form.StringGrid1.keyDown(ui::keys::Delete); }, u"削除"},
      {"in-place edit",
       [](UndoTest& t) {
         t.form.StringGrid1.beginEdit();
         t.form.StringGrid1.setEditorText(u"typed");
       },
       [](UndoTest& t) { t.form.StringGrid1.selectCell(0, 4); }, u"セルの編集"},
      {"column drag", nullptr, [](UndoTest& t) { t.form.StringGrid3.dragColumn(0, 3); }, u"列の移動"},
      {"SIMA read", [](UndoTest& t) { t.form.GroupBox2.setEnabled(true); t.simaFile(); },
       [](UndoTest& t) { t.form.Button9.click(); }, u"読み込み"},
      {"SIMA/R check box", [](UndoTest& t) { t.simaFile(); t.form.Button9.click(); },
       [](UndoTest& t) { t.form.CheckBox13.click(); }, u"SIMA/R ×1000"},
      {"SIMA write list", [](UndoTest& t) { t.form.StringGrid1.cells().setRowCells(1, {u"P1", u"1", u"2", u"3"}); },
       [](UndoTest& t) { t.form.Button10.click(); }, u"データ作成"},
      {"SIMA/W check box", nullptr, [](UndoTest& t) { t.form.CheckBox15.click(); }, u"SIMA/W X-Y 反転"},
      {"harvest",
       [](UndoTest& t) {
         auto h = t.cad->drawing().add(sim::makePoint({10, 5, 0})).handle;
         t.cad->user().push(UserAction::select({h}));
         t.cad->user().push(UserAction::finish());
       },
       [](UndoTest& t) { t.form.Button4.click(); }, u"CADから"},
      {"harvest and a list display tick",
       [](UndoTest& t) {
         auto h = t.cad->drawing().add(sim::makePoint({20, 0, 0})).handle;
         t.cad->user().push(UserAction::select({h}));
         t.cad->user().push(UserAction::finish());
         t.form.Button4.click();
       },
       [](UndoTest& t) { t.form.CheckBox2.click(); }, u"リスト表示 POINT"},
      {"TEXT harvest",
       [](UndoTest& t) {
         auto h = t.cad->drawing().add(sim::makeText(u"B-2", {0.5, 0.5, 0}, 1)).handle;
         t.cad->user().push(UserAction::select({h}));
         t.cad->user().push(UserAction::finish());
       },
       [](UndoTest& t) { t.form.Button6.click(); }, u"TEXT 取得"},
      {"point file", [](UndoTest& t) {
         t.fakes.files.files[u"C:\\p.csv"] = "P1,7,8\r\nP2,9,10\r\n";
         t.fakes.dialogs.openAnswers.push_back(u"C:\\p.csv");
       },
       [](UndoTest& t) { t.form.N32.click(); }, u"点ファイルを開く..."},
      {"dropped file", [](UndoTest& t) { t.fakes.files.files[u"C:\\d.csv"] = "D1,1,2\r\n"; },
       [](UndoTest& t) { t.form.dropFiles({u"C:\\d.csv"}); }, u"ファイルのドロップ"},
      {"ID picking run",
       [](UndoTest& t) {
         for (double x : {1.0, 2.0, 3.0}) t.cad->user().push(UserAction::pickPoint({x, 2, 0}));
         t.cad->user().push(UserAction::escape());
       },
       [](UndoTest& t) { t.form.Button12.click(); }, u"ID (INT)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    UndoTest& t = *this;
    if (c.setUp) c.setUp(t);
    form.history().clear();
    const Lists before = lists();
    c.run(t);
    const Lists after = lists();
    ASSERT_NE(before, after);
    ASSERT_EQ(form.history().undoCount(), 1u);
    EXPECT_TRUE(form.NUndo.enabled());
    ctrl(form.StringGrid1, 'Z');
    EXPECT_EQ(lists(), before);
    EXPECT_EQ(form.StatusBar1.panelText(1), u"元に戻しました: " + u16(c.label));
    EXPECT_FALSE(form.NUndo.enabled());
    EXPECT_TRUE(form.NRedo.enabled());
    form.NRedo.click();
    EXPECT_EQ(lists(), after);
    EXPECT_EQ(form.StatusBar1.panelText(1), u"やり直しました: " + u16(c.label));
    for (const auto& m : fakes.dialogs.shown) EXPECT_NE(m.icon, platform::Icon::Error) << text::toUtf8(m.message);
    // What each case leaves is where the next one starts.
  }
}

TEST_F(UndoTest, CtrlZInAnOpenEditorTakesBackTheTypingFirst) {
  auto& list = form.StringGrid1;
  form.N10.click();
  list.selectCell(0, 1);
  list.beginEdit();
  list.setEditorText(u"typed");
  ctrl(list, 'Z');
  EXPECT_TRUE(list.editorMode());
  EXPECT_EQ(list.editorText(), list.cells().cell(0, 1));
  ctrl(list, 'Z');  // then the sort
  EXPECT_FALSE(list.editorMode());
  EXPECT_EQ(list.cells().cell(0, 1), u"B2");
  ctrl(list, 'Y');
  EXPECT_EQ(list.cells().cell(0, 1), u"A9");
  ctrl(list, 'Z', true);  // Ctrl+Shift+Z redoes too: nothing left to redo
  EXPECT_EQ(form.history().undoCount(), 1u);
}

TEST_F(UndoTest, ANewCommandDropsTheRedoStepsAndTheOldestStepsGoPastTheBound) {
  form.N10.click();
  form.N7.click();
  form.NUndo.click();
  form.N13.click();
  EXPECT_FALSE(form.history().canRedo());
  EXPECT_FALSE(form.NRedo.enabled());
  EXPECT_EQ(form.history().undoCount(), 2u);
  ctrl(form.StringGrid4, 'Z');  // the keys of every list reach the same history
  EXPECT_EQ(form.history().undoCount(), 1u);

  ui::StringGrid grid(u"G");
  grid.cells().setRowCount(3);
  UndoHistory h({&grid}, {}, nullptr, {.steps = 3, .bytes = 1000});
  for (int i = 0; i < 5; ++i) grid.cells().setCell(0, 1, text::intToText(i));
  h.begin();
  h.end();  // the last edit closes as a step
  EXPECT_EQ(h.undoCount(), 3u);  // 0 to 2 kept, the first two went
  while (h.undo()) {}
  EXPECT_EQ(grid.cells().cell(0, 1), u"1");
  grid.cells().setCell(0, 2, u16(600, u'x'));  // alone beyond the bound, yet kept
  grid.cells().setCell(0, 2, u"y");
  h.begin();
  h.end();
  EXPECT_EQ(h.undoCount(), 1u);
  EXPECT_LE(h.bytes(), 1000u + 2000u);
}

}  // namespace
}  // namespace surva::app
