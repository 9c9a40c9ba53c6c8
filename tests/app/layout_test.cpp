// The main window as designed, before start-up reads the settings.
#include <gtest/gtest.h>

#include "app/main_form_layout.h"
#include "main_form_fixture.h"

namespace surva::app {
namespace {

using ui::Align;
using ui::Rect;

class LayoutTest : public ::testing::Test, public testing::MainFormFixture {};

TEST_F(LayoutTest, TheWindow) {
  EXPECT_EQ(form.text(), u"Surva2023");
  EXPECT_EQ(form.clientWidth(), 391);
  EXPECT_EQ(form.clientHeight(), 464);
  EXPECT_EQ(form.borderStyle(), ui::BorderStyle::Single);
  EXPECT_FALSE(form.borderIcons().maximize);
  EXPECT_TRUE(form.borderIcons().minimize);
  EXPECT_TRUE(form.stayOnTop());
  EXPECT_EQ(form.font().name, u"ＭＳ Ｐゴシック");
  EXPECT_EQ(form.font().sizePx, 12);
  EXPECT_EQ(form.PageControl1.bounds(), (Rect{0, 0, 391, 464}));
}

TEST_F(LayoutTest, EveryMemberIsARowAndEveryRowAMember) {
  // The members bound without error; now the count: one row per member.
  int members = 0;
#define X(Type, Name) ++members;
#include "app/main_form_controls.h"
#undef X
  EXPECT_EQ(static_cast<int>(form.controls().size()), members);
  EXPECT_EQ(static_cast<int>(mainFormLayout().size()), members);
}

TEST_F(LayoutTest, PagesInOrderWithTheirCaptions) {
  const char16_t* captions[] = {u" メイン ", u" CAD 設定 ", u" 取得, ID 設定 ", u" TEXT ", u" SIMA/R ", u" SIMA/W "};
  auto pages = form.PageControl1.pages();
  ASSERT_EQ(pages.size(), 6u);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(pages[i]->text(), captions[i]);
    EXPECT_EQ(pages[i]->bounds().width, 383);
    EXPECT_EQ(pages[i]->bounds().height, 436);
  }
  EXPECT_EQ(form.PageControl1.activePage(), &form.TabSheet1);
}

// Bounds stated for the window; -1 where only the position is stated.
struct Placed {
  const char16_t* name;
  const char16_t* parent;
  Rect bounds;
};

const Placed kPlaced[] = {
    {u"GroupBox1", u"TabSheet1", {6, 3, 119, 142}},
    {u"GroupBox2", u"TabSheet1", {131, 3, 86, 142}},
    {u"GroupBox8", u"TabSheet1", {223, 3, 157, 142}},
    {u"Button1", u"TabSheet1", {3, 147, 60, 25}},
    {u"Button2", u"TabSheet1", {65, 147, 60, 25}},
    {u"Button4", u"TabSheet1", {131, 147, 60, 25}},
    {u"Button5", u"TabSheet1", {193, 147, 58, 25}},
    {u"Button3", u"TabSheet1", {257, 146, 60, 25}},
    {u"Button8", u"TabSheet1", {319, 146, 60, 25}},
    {u"Button13", u"TabSheet1", {3, 174, 122, 25}},
    {u"Button12", u"TabSheet1", {131, 174, 60, 25}},
    {u"CheckBox19", u"TabSheet1", {197, 177, -1, -1}},
    {u"Edit33", u"TabSheet1", {323, 175, 54, 21}},
    {u"Label30", u"TabSheet1", {17, 205, -1, -1}},
    {u"Label29", u"TabSheet1", {85, 205, -1, -1}},
    {u"Edit31", u"TabSheet1", {179, 202, 89, 20}},
    {u"CheckBox18", u"TabSheet1", {274, 202, -1, -1}},
    {u"SpeedButton3", u"TabSheet1", {339, 201, 41, 20}},
    {u"StringGrid1", u"TabSheet1", {0, 226, 380, 168}},
    {u"GroupBox9", u"TabSheet2", {3, 3, 365, 78}},
    {u"SpeedButton5", u"GroupBox9", {311, 21, 44, 38}},
    {u"GroupBox4", u"TabSheet2", {3, 87, 365, 189}},
    {u"GroupBox3", u"TabSheet2", {3, 282, 365, 124}},
    {u"GroupBox6", u"TabSheet3", {3, 3, 373, 85}},
    {u"GroupBox7", u"TabSheet3", {3, 94, 372, 99}},
    {u"GroupBox5", u"TabSheet3", {8, 228, 372, 46}},
    {u"SpeedButton4", u"TabSheet3", {3, 280, 73, 22}},
    {u"Button6", u"TabSheet4", {3, 3, 75, 25}},
    {u"Button7", u"TabSheet4", {84, 3, 75, 25}},
    {u"CheckBox17", u"TabSheet4", {265, 30, -1, -1}},
    {u"SpeedButton1", u"TabSheet4", {332, 28, 49, 22}},
    {u"Label32", u"TabSheet4", {11, 39, -1, -1}},
    {u"StringGrid2", u"TabSheet4", {3, 56, 377, 357}},
    {u"Button9", u"TabSheet5", {3, 3, 75, 25}},
    {u"CheckBox13", u"TabSheet5", {84, 7, -1, -1}},
    {u"CheckBox12", u"TabSheet5", {143, 7, -1, -1}},
    {u"Label27", u"TabSheet5", {216, 10, -1, -1}},
    {u"StringGrid3", u"TabSheet5", {3, 34, 377, 399}},
    {u"Button10", u"TabSheet6", {3, 3, 75, 25}},
    {u"CheckBox14", u"TabSheet6", {84, 7, -1, -1}},
    {u"CheckBox15", u"TabSheet6", {144, 5, -1, -1}},
    {u"Label28", u"TabSheet6", {222, 10, -1, -1}},
    {u"Edit30", u"TabSheet6", {274, 7, 40, 20}},
    {u"Button11", u"TabSheet6", {320, 3, 57, 25}},
    {u"StringGrid4", u"TabSheet6", {3, 34, 377, 399}},
};

TEST_F(LayoutTest, StatedBoundsAndParents) {
  for (const Placed& p : kPlaced) {
    SCOPED_TRACE(text::toUtf8(p.name));
    ui::Control& c = form.get<ui::Control>(p.name);
    EXPECT_EQ(c.parent()->name(), p.parent);
    Rect b = c.bounds();
    if (p.bounds.width < 0) b.width = b.height = -1;
    EXPECT_EQ(b, p.bounds);
  }
  EXPECT_EQ(form.ProgressBar1.bounds().height, 16);
  EXPECT_EQ(form.StatusBar1.bounds().height, 20);
  EXPECT_EQ(form.ProgressBar1.bounds().top + 16, form.StatusBar1.bounds().top);
  EXPECT_EQ(form.StatusBar1.bounds().top + 20, 436);  // along the bottom of the page
  EXPECT_EQ(form.ProgressBar2.bounds().top + 17, 436);
  for (auto* e : {&form.Edit2, &form.Edit8, &form.Edit18, &form.Edit9, &form.Edit10, &form.Edit11, &form.Edit12})
    EXPECT_EQ(e->bounds().width, 291);
}

// The layout chosen where none is stated must still fit: every control
// inside its parent, and no two shown controls of one parent overlapping.
TEST_F(LayoutTest, EveryControlFitsItsParentWithoutOverlap) {
  for (ui::Control* c : form.controls()) {
    ui::Control* parent = c->parent();
    if (c->kind() == ui::Kind::MenuItem || c->kind() == ui::Kind::PopupMenu || c->kind() == ui::Kind::TabSheet ||
        parent == &form)
      continue;
    SCOPED_TRACE(text::toUtf8(c->name()));
    Rect b = c->bounds(), pb = parent->bounds();
    EXPECT_GE(b.left, 0);
    EXPECT_GE(b.top, 0);
    EXPECT_LE(b.left + b.width, pb.width);
    EXPECT_LE(b.top + b.height, pb.height);
    for (ui::Control* other : parent->children()) {
      if (other == c || !other->visible() || !c->visible()) continue;
      Rect o = other->bounds();
      bool apart = b.left + b.width <= o.left || o.left + o.width <= b.left || b.top + b.height <= o.top ||
                   o.top + o.height <= b.top;
      EXPECT_TRUE(apart) << "overlaps " << text::toUtf8(other->name());
    }
  }
}

struct Check {
  const char16_t* name;
  const char16_t* caption;
  bool checked;
};

const Check kChecks[] = {
    {u"CheckBox8", u"Z座標", false},
    {u"CheckBox1", u"POLYLINE", false},
    {u"CheckBox2", u"POINT", true},
    {u"CheckBox6", u"CIRCLE", true},
    {u"CheckBox3", u"測点名検索", true},
    {u"CheckBox27", u"TEXT", false},
    {u"UCS", u"UCS", false},
    {u"CheckBox21", u"PLINE", false},
    {u"CheckBox28", u"3D", true},
    {u"CheckBox5", u"閉鎖", true},
    {u"CheckBox7", u"2点目以降座標順", false},
    {u"CheckBox22", u"POINT", false},
    {u"CheckBox26", u"CIRCLE", false},
    {u"CheckBox23", u"測点名", false},
    {u"CheckBox4", u"座標値（", true},
    {u"CheckBox11", u"Z値のみ）", false},
    {u"CheckBox19", u" ID で測点名プロット", false},
    {u"CheckBox18", u"常にPAN", false},
    {u"CheckBox24", u"上記数値を DIMSCALE 倍", true},
    {u"CheckBox9", u"1/1000", false},
    {u"CheckBox25", u"DIMSCALE 倍", true},
    {u"CheckBox10", u"測点名検索画層", false},
    {u"CheckBox20", u"DIMSCALE 倍", true},
    {u"CheckBox16", u"交点 ( INT ) オプション ( [ ID ] ボタンの右クリックでも反転）", true},
    {u"CheckBox17", u"常にPAN", false},
    {u"CheckBox13", u"×1000", true},
    {u"CheckBox12", u"X-Y 反転", true},
    {u"CheckBox14", u"1/1000", false},
    {u"CheckBox15", u"X-Y 反転", false},
};

TEST_F(LayoutTest, CheckBoxes) {
  for (const Check& c : kChecks) {
    SCOPED_TRACE(text::toUtf8(c.name));
    auto& box = form.get<ui::CheckBox>(c.name);
    EXPECT_EQ(box.text(), c.caption);
    EXPECT_EQ(box.checked(), c.checked);
  }
  EXPECT_FALSE(form.GroupBox2.enabled());  // the list-display group waits for a harvest
  EXPECT_FALSE(form.CheckBox1.enabledInTree());
  EXPECT_EQ(form.CheckBox8.hint(), u"描画時の2D, 3D と兼用");
}

struct EditRow {
  const char16_t* name;
  const char16_t* text;
  bool readOnly;
  bool imeOff;
  Align align;
  bool enabled;
  bool visible;
};

const EditRow kEdits[] = {
    {u"Edit3", u"A", true, true, Align::Left, true, true},
    {u"Edit4", u"B", true, true, Align::Left, true, true},
    {u"Edit5", u"C", true, true, Align::Left, true, true},
    {u"Edit21", u"D", true, false, Align::Left, false, true},
    {u"Edit6", u"1", true, true, Align::Left, true, true},
    {u"Edit22", u"0", false, false, Align::Left, true, false},
    {u"Edit23", u"1", false, false, Align::Left, true, false},
    {u"Edit24", u"2", false, false, Align::Left, true, false},
    {u"Edit25", u"3", false, false, Align::Left, true, false},
    {u"Edit7", u"", false, true, Align::Center, true, true},
    {u"Edit33", u"A-1", false, true, Align::Left, true, true},
    {u"Edit31", u"1-3,6,7", false, true, Align::Left, true, true},
    {u"Edit35", u"", true, false, Align::Left, true, true},
    {u"Edit36", u"", true, false, Align::Left, true, true},
    {u"Edit2", u"SURVA_PLINE", false, false, Align::Left, true, true},
    {u"Edit8", u"SURVA_POINT", false, false, Align::Left, true, true},
    {u"Edit18", u"SURVA_CIRCLE", false, false, Align::Left, true, true},
    {u"Edit9", u"SURVA_TEXTPT", false, false, Align::Left, true, true},
    {u"Edit10", u"SURVA_TEXTXY", false, false, Align::Left, true, true},
    {u"Edit11", u"SURVA_TBLLINE", false, false, Align::Left, true, true},
    {u"Edit12", u"SURVA_TBLTEXT", false, false, Align::Left, true, true},
    {u"Edit1", u"3", false, true, Align::Right, true, true},
    {u"Edit13", u"1.8", false, false, Align::Right, true, true},
    {u"Edit14", u"3", false, false, Align::Right, true, true},
    {u"Edit15", u"5", false, false, Align::Right, true, true},
    {u"Edit16", u"25", false, false, Align::Right, true, true},
    {u"Edit17", u"25", false, false, Align::Right, true, true},
    {u"Edit19", u"5", false, false, Align::Right, true, true},
    {u"Edit20", u"3", false, false, Align::Right, true, true},
    {u"Edit27", u"0", false, false, Align::Center, true, true},
    {u"Edit28", u"5", false, false, Align::Right, true, true},
    {u"Edit29", u"", false, false, Align::Left, true, true},
    {u"Edit32", u"0", false, false, Align::Center, true, true},
    {u"Edit34", u"2.5", false, true, Align::Right, true, true},
    {u"Edit26", u"500", false, true, Align::Right, false, true},
    {u"Edit30", u"A-1", false, false, Align::Left, true, true},
};

TEST_F(LayoutTest, Edits) {
  for (const EditRow& e : kEdits) {
    SCOPED_TRACE(text::toUtf8(e.name));
    auto& edit = form.get<ui::Edit>(e.name);
    EXPECT_EQ(edit.text(), e.text);
    EXPECT_EQ(edit.readOnly(), e.readOnly);
    EXPECT_EQ(edit.imeOff(), e.imeOff);
    EXPECT_EQ(edit.alignment(), e.align);
    EXPECT_EQ(edit.enabled(), e.enabled);
    EXPECT_EQ(edit.visible(), e.visible);
  }
  EXPECT_FALSE(form.Edit35.tabStop());
  EXPECT_FALSE(form.Edit36.tabStop());
  ui::Font f = form.Edit33.effectiveFont();
  EXPECT_TRUE(f.bold);
  EXPECT_EQ(f.sizePx, 13);
  EXPECT_EQ(f.color, ui::colors::Red);
  EXPECT_FALSE(form.Label22.enabled());
  EXPECT_FALSE(form.Label23.enabled());
  EXPECT_EQ(form.Label32.font().sizePx, 11);
}

struct Spin {
  const char16_t* name;
  int min, max, position;
  const char16_t* buddy;
  bool enabled;
  ui::Orientation orientation;
};

const Spin kSpins[] = {
    {u"UpDown1", 0, 25, 0, u"Edit22", true, ui::Orientation::Vertical},
    {u"UpDown2", 0, 25, 1, u"Edit23", true, ui::Orientation::Vertical},
    {u"UpDown3", 0, 25, 2, u"Edit24", true, ui::Orientation::Vertical},
    {u"UpDown5", 0, 25, 3, u"Edit25", false, ui::Orientation::Vertical},
    {u"UpDown4", 1, 10000, 1, u"Edit6", true, ui::Orientation::Vertical},
    {u"UpDown6", 0, 8, 0, u"Edit27", true, ui::Orientation::Horizontal},
    {u"UpDown7", 0, 8, 0, u"Edit32", true, ui::Orientation::Horizontal},
};

TEST_F(LayoutTest, UpDownsAndTheirBuddies) {
  for (const Spin& s : kSpins) {
    SCOPED_TRACE(text::toUtf8(s.name));
    auto& u = form.get<ui::UpDown>(s.name);
    EXPECT_EQ(u.min(), s.min);
    EXPECT_EQ(u.max(), s.max);
    EXPECT_EQ(u.position(), s.position);
    ASSERT_NE(u.associate(), nullptr);
    EXPECT_EQ(u.associate()->name(), s.buddy);
    EXPECT_EQ(u.enabled(), s.enabled);
    EXPECT_EQ(u.orientation(), s.orientation);
  }
  // The column up-downs write the hidden edits; the letters come from the
  // click handlers.
  form.UpDown2.click(ui::UpDownButton::Up);
  EXPECT_EQ(form.Edit23.text(), u"2");
  EXPECT_EQ(form.Edit4.text(), u"C");
}

struct Caption {
  const char16_t* name;
  const char16_t* caption;
  const char16_t* hint;
};

const Caption kCaptions[] = {
    {u"GroupBox1", u"Excel", u""},
    {u"GroupBox2", u"リスト表示", u""},
    {u"GroupBox8", u"CAD 描画", u""},
    {u"Label1", u"測点名", u""},
    {u"Label2", u"X座標", u""},
    {u"Label3", u"Y座標", u""},
    {u"Label4", u"開始行", u""},
    {u"Label5", u"区切文字", u""},
    {u"Label21", u"(1文字)", u""},
    {u"Button1", u"Exceｌから", u"Excel から座標リストを取得"},
    {u"Button2", u"CADへ", u"座標リストをチェックした図形でCADへプロット"},
    {u"Button4", u"CADから", u"CAD から図形を取得し、チェックした図形の座標をリストに追加"},
    {u"Button5", u"Excelへ", u"現在の座標リストを Excel に転送"},
    {u"Button3", u"XY 作表", u"X, Y で座標リストを作表"},
    {u"Button8", u"YX 作表", u"Y, X で座標リストを作表"},
    {u"Button13", u"CADへ (Z=0)", u"CAD にプロット（Z値=0)"},
    {u"Button12", u"ID", u"CAD で座標を指示し、リストに追加 (右クリックで INT 反転)"},
    {u"Label30", u"プロット範囲", u""},
    {u"Label29", u"(ex: 1-3, 5, 7, 9-)", u""},
    {u"SpeedButton3", u"PAN", u""},
    {u"GroupBox9", u"ターゲット CAD", u""},
    {u"Label34", u"名称", u""},
    {u"Label35", u"ProgID", u""},
    {u"SpeedButton5", u"編集", u""},
    {u"GroupBox4", u"作成画層", u""},
    {u"Label7", u"PLINE", u""},
    {u"Label8", u"POINT", u""},
    {u"Label18", u"CIRCLE", u""},
    {u"Label9", u"測点名", u""},
    {u"Label10", u"座標値", u""},
    {u"Label11", u"表枠", u""},
    {u"Label12", u"表文字", u""},
    {u"GroupBox3", u"作成文字、表ｻｲｽﾞ", u""},
    {u"Label6", u"測点名", u""},
    {u"Label13", u"座標値", u""},
    {u"Label14", u"表文字", u""},
    {u"Label15", u"一行高さ", u""},
    {u"Label16", u"列幅(測点）", u""},
    {u"Label17", u"列幅（座標値）", u""},
    {u"Label19", u"半径", u""},
    {u"Label20", u"作表 少数桁数", u""},
    {u"Label26", u"作表の座標値", u""},
    {u"GroupBox6", u"", u""},
    {u"Label24", u"CAD から座標取得時の少数桁数", u""},
    {u"Label25", u"測点名検索範囲", u""},
    {u"SpeedButton2", u"画層取得", u""},
    {u"GroupBox7", u"ID", u""},
    {u"Label31", u"CAD から取得時の少数桁数", u""},
    {u"Label33", u"測点名プロットの文字サイズ", u""},
    {u"GroupBox5", u"", u""},
    {u"Label22", u"DXFファイル作成待ち", u""},
    {u"Label23", u"(msec)", u""},
    {u"SpeedButton4", u"", u""},
    {u"Button6", u"TEXT 取得", u""},
    {u"Button7", u"Excelへ", u""},
    {u"SpeedButton1", u"PAN", u""},
    {u"Label32", u"↓項目名クリックでソート", u""},
    {u"Button9", u"読み込み", u""},
    {u"Label27", u"(メインへ転記)", u""},
    {u"Button10", u"データ作成", u""},
    {u"Label28", u"測点名：", u""},
    {u"Button11", u"保存", u""},
};

TEST_F(LayoutTest, CaptionsAndHints) {
  for (const Caption& c : kCaptions) {
    SCOPED_TRACE(text::toUtf8(c.name));
    ui::Control& control = form.get<ui::Control>(c.name);
    EXPECT_EQ(control.text(), c.caption);
    EXPECT_EQ(control.hint(), c.hint);
  }
  // Only the listed controls show a hint.
  int hints = 0;
  for (ui::Control* c : form.controls()) hints += !c->hint().empty();
  EXPECT_EQ(hints, 9);
  EXPECT_FALSE(form.SpeedButton4.visible());
}

TEST_F(LayoutTest, PopupMenuOfTheMainList) {
  const std::pair<const char16_t*, const char16_t*> items[] = {
      {u"N1", u"選択範囲をコピー"},
      {u"N2", u"すべてコピー"},
      {u"N3", u"-"},
      {u"N4", u"現在セルから貼り付け（ペースト）"},
      {u"N5", u"先頭セルから貼り付け（ペースト）"},
      {u"N6", u"-"},
      {u"N8", u"選択範囲をクリア"},
      {u"N7", u"表示データをすべてクリア"},
      {u"N17", u"内部データをすべてクリア"},
      {u"N9", u"-"},
      {u"N10", u"測点名でソート"},
      {u"N15", u"測点名の番号のみでソート"},
      {u"N14", u"-"},
      {u"N13", u"同じ行データを整理"},
      {u"N11", u"-"},
      {u"N12", u"バージョン情報"},
      {u"NUndoSeparator", u"-"},
      {u"NUndo", u"元に戻す"},
      {u"NRedo", u"やり直し"},
      {u"N31", u"-"},
      {u"N32", u"点ファイルを開く..."},
      {u"N33", u"点ファイルに保存..."},
  };
  auto menu = form.PopupMenu1.items();
  ASSERT_EQ(menu.size(), std::size(items));
  for (size_t i = 0; i < menu.size(); ++i) {
    EXPECT_EQ(menu[i]->name(), items[i].first);
    EXPECT_EQ(menu[i]->text(), items[i].second);
  }
  EXPECT_FALSE(form.PopupMenu1.autoHotkeys());
  EXPECT_EQ(form.StringGrid1.popupMenu(), &form.PopupMenu1);
}

struct GridRow {
  const char16_t* name;
  int cols, rows, colWidth, rowHeight;
  ui::GridOptions options;
};

const GridRow kGrids[] = {
    {u"StringGrid1", 5, 5, 71, 19, {.editing = true, .rangeSelect = true, .colMove = true, .flat = true}},
    {u"StringGrid2", 4, 5, 87, 19, {.rangeSelect = true, .colSizing = true, .fixedRowClick = true}},
    {u"StringGrid3", 6, 5, 58, 19, {.rangeSelect = true, .colMove = true, .colSizing = true}},
    {u"StringGrid4", 6, 5, 58, 19, {.editing = true, .rangeSelect = true}},
};

TEST_F(LayoutTest, GridsAndTheStatusBar) {
  for (const GridRow& g : kGrids) {
    SCOPED_TRACE(text::toUtf8(g.name));
    auto& grid = form.get<ui::StringGrid>(g.name);
    EXPECT_EQ(grid.cells().colCount(), g.cols);
    EXPECT_EQ(grid.cells().rowCount(), g.rows);
    EXPECT_EQ(grid.cells().fixedRows(), 1);
    EXPECT_EQ(grid.defaultColWidth(), g.colWidth);
    EXPECT_EQ(grid.colWidth(g.cols - 1), g.colWidth);
    EXPECT_EQ(grid.defaultRowHeight(), g.rowHeight);
    EXPECT_EQ(grid.options(), g.options);
  }
  EXPECT_EQ(form.StringGrid1.scrollBars(), ui::ScrollBars::Vertical);
  EXPECT_EQ(form.StringGrid1.effectiveFont().name, u"ＭＳ ゴシック");
  ASSERT_EQ(form.StatusBar1.panels().size(), 2u);
  EXPECT_EQ(form.StatusBar1.panels()[0].width, 50);
  EXPECT_EQ(form.StatusBar1.panels()[1].width, 200);
  EXPECT_EQ(form.StatusBar1.panelText(0), u"");
}

TEST_F(LayoutTest, ShowingCreatesOnePeerPerControl) {
  form.show();
  EXPECT_EQ(backend.log.created.size(), form.controls().size() + 1);
  EXPECT_EQ(backend.log.created.front(), "Form1");
}

}  // namespace
}  // namespace surva::app
