#include "app/main_form_layout.h"

#include <array>

namespace surva::app {

namespace {

using K = ui::Kind;
using ui::Align;

constexpr ui::GridOptions kMainListOptions{.editing = true, .rangeSelect = true, .colMove = true, .flat = true};
constexpr ui::GridOptions kTextListOptions{.rangeSelect = true, .colSizing = true, .fixedRowClick = true};
constexpr ui::GridOptions kSimaReadOptions{.rangeSelect = true, .colMove = true, .colSizing = true};
constexpr ui::GridOptions kSimaWriteOptions{.editing = true, .rangeSelect = true};

// Pages sit in the page control below the tabs; each is 383 x 436.
constexpr ui::Rect kPage{4, 24, 383, 436};

const ui::ControlSpec kLayout[] = {
    {K::PageControl, u"PageControl1", nullptr, {0, 0, 391, 464}},
    {K::TabSheet, u"TabSheet1", u"PageControl1", kPage, u" メイン "},
    {K::TabSheet, u"TabSheet2", u"PageControl1", kPage, u" CAD 設定 "},
    {K::TabSheet, u"TabSheet3", u"PageControl1", kPage, u" 取得, ID 設定 "},
    {K::TabSheet, u"TabSheet4", u"PageControl1", kPage, u" TEXT "},
    {K::TabSheet, u"TabSheet5", u"PageControl1", kPage, u" SIMA/R "},
    {K::TabSheet, u"TabSheet6", u"PageControl1", kPage, u" SIMA/W "},

    // ---- " メイン ": spreadsheet columns and first row.
    {K::GroupBox, u"GroupBox1", u"TabSheet1", {6, 3, 119, 142}, u"Excel"},
    // The up-downs of the columns drive these hidden edits; the letter edits
    // beside them show the column.
    {K::Edit, u"Edit22", u"GroupBox1", {58, 16, 40, 20}, u"0", {.visible = false}},
    {K::Edit, u"Edit23", u"GroupBox1", {58, 40, 40, 20}, u"1", {.visible = false}},
    {K::Edit, u"Edit24", u"GroupBox1", {58, 64, 40, 20}, u"2", {.visible = false}},
    {K::Edit, u"Edit25", u"GroupBox1", {58, 88, 40, 20}, u"3", {.visible = false}},
    {K::Label, u"Label1", u"GroupBox1", {8, 20, 48, 12}, u"測点名"},
    {K::Edit, u"Edit3", u"GroupBox1", {58, 16, 40, 20}, u"A", {.readOnly = true, .imeOff = true}},
    {K::UpDown, u"UpDown1", u"GroupBox1", {98, 16, 16, 20}, u"",
     {.min = 0, .max = 25, .position = 0, .associate = u"Edit22"}},
    {K::Label, u"Label2", u"GroupBox1", {8, 44, 48, 12}, u"X座標"},
    {K::Edit, u"Edit4", u"GroupBox1", {58, 40, 40, 20}, u"B", {.readOnly = true, .imeOff = true}},
    {K::UpDown, u"UpDown2", u"GroupBox1", {98, 40, 16, 20}, u"",
     {.min = 0, .max = 25, .position = 1, .associate = u"Edit23"}},
    {K::Label, u"Label3", u"GroupBox1", {8, 68, 48, 12}, u"Y座標"},
    {K::Edit, u"Edit5", u"GroupBox1", {58, 64, 40, 20}, u"C", {.readOnly = true, .imeOff = true}},
    {K::UpDown, u"UpDown3", u"GroupBox1", {98, 64, 16, 20}, u"",
     {.min = 0, .max = 25, .position = 2, .associate = u"Edit24"}},
    {K::CheckBox, u"CheckBox8", u"GroupBox1", {6, 90, 52, 17}, u"Z座標", {.hint = u"描画時の2D, 3D と兼用"}},
    {K::Edit, u"Edit21", u"GroupBox1", {58, 88, 40, 20}, u"D", {.readOnly = true, .enabled = false}},
    {K::UpDown, u"UpDown5", u"GroupBox1", {98, 88, 16, 20}, u"",
     {.enabled = false, .min = 0, .max = 25, .position = 3, .associate = u"Edit25"}},
    {K::Label, u"Label4", u"GroupBox1", {8, 116, 48, 12}, u"開始行"},
    {K::Edit, u"Edit6", u"GroupBox1", {58, 112, 40, 20}, u"1", {.readOnly = true, .imeOff = true}},
    {K::UpDown, u"UpDown4", u"GroupBox1", {98, 112, 16, 20}, u"",
     {.min = 1, .max = 10000, .position = 1, .associate = u"Edit6"}},

    // ---- " メイン ": which harvested kinds the list shows.
    {K::GroupBox, u"GroupBox2", u"TabSheet1", {131, 3, 86, 142}, u"リスト表示", {.enabled = false}},
    {K::CheckBox, u"CheckBox1", u"GroupBox2", {6, 18, 78, 17}, u"POLYLINE"},
    {K::CheckBox, u"CheckBox2", u"GroupBox2", {6, 38, 78, 17}, u"POINT", {.checked = true}},
    {K::CheckBox, u"CheckBox6", u"GroupBox2", {6, 58, 78, 17}, u"CIRCLE", {.checked = true}},
    {K::CheckBox, u"CheckBox3", u"GroupBox2", {6, 78, 78, 17}, u"測点名検索", {.checked = true}},
    {K::CheckBox, u"CheckBox27", u"GroupBox2", {6, 98, 78, 17}, u"TEXT"},
    {K::CheckBox, u"UCS", u"GroupBox2", {6, 118, 78, 17}, u"UCS"},

    // ---- " メイン ": what plotting draws.
    {K::GroupBox, u"GroupBox8", u"TabSheet1", {223, 3, 157, 142}, u"CAD 描画"},
    {K::CheckBox, u"CheckBox21", u"GroupBox8", {6, 18, 52, 17}, u"PLINE"},
    {K::CheckBox, u"CheckBox28", u"GroupBox8", {60, 18, 38, 17}, u"3D", {.checked = true}},
    {K::CheckBox, u"CheckBox5", u"GroupBox8", {100, 18, 52, 17}, u"閉鎖", {.checked = true}},
    {K::CheckBox, u"CheckBox7", u"GroupBox8", {6, 38, 146, 17}, u"2点目以降座標順"},
    {K::Label, u"Label5", u"GroupBox8", {22, 62, 50, 12}, u"区切文字"},
    {K::Edit, u"Edit7", u"GroupBox8", {76, 58, 24, 20}, u"", {.imeOff = true, .align = Align::Center}},
    {K::Label, u"Label21", u"GroupBox8", {104, 62, 46, 12}, u"(1文字)"},
    {K::CheckBox, u"CheckBox22", u"GroupBox8", {6, 80, 64, 17}, u"POINT"},
    {K::CheckBox, u"CheckBox26", u"GroupBox8", {72, 80, 72, 17}, u"CIRCLE"},
    {K::CheckBox, u"CheckBox23", u"GroupBox8", {6, 100, 72, 17}, u"測点名"},
    {K::CheckBox, u"CheckBox4", u"GroupBox8", {6, 120, 64, 17}, u"座標値（", {.checked = true}},
    {K::CheckBox, u"CheckBox11", u"GroupBox8", {70, 120, 82, 17}, u"Z値のみ）"},

    // ---- " メイン ": command buttons.
    {K::Button, u"Button1", u"TabSheet1", {3, 147, 60, 25}, u"Exceｌから", {.hint = u"Excel から座標リストを取得"}},
    {K::Button, u"Button2", u"TabSheet1", {65, 147, 60, 25}, u"CADへ",
     {.hint = u"座標リストをチェックした図形でCADへプロット"}},
    {K::Button, u"Button4", u"TabSheet1", {131, 147, 60, 25}, u"CADから",
     {.hint = u"CAD から図形を取得し、チェックした図形の座標をリストに追加"}},
    {K::Button, u"Button5", u"TabSheet1", {193, 147, 58, 25}, u"Excelへ", {.hint = u"現在の座標リストを Excel に転送"}},
    {K::Button, u"Button3", u"TabSheet1", {257, 146, 60, 25}, u"XY 作表", {.hint = u"X, Y で座標リストを作表"}},
    {K::Button, u"Button8", u"TabSheet1", {319, 146, 60, 25}, u"YX 作表", {.hint = u"Y, X で座標リストを作表"}},
    {K::Button, u"Button13", u"TabSheet1", {3, 174, 122, 25}, u"CADへ (Z=0)", {.hint = u"CAD にプロット（Z値=0)"}},
    {K::Button, u"Button12", u"TabSheet1", {131, 174, 60, 25}, u"ID",
     {.hint = u"CAD で座標を指示し、リストに追加 (右クリックで INT 反転)"}},
    {K::CheckBox, u"CheckBox19", u"TabSheet1", {197, 177, 124, 17}, u" ID で測点名プロット"},
    {K::Edit, u"Edit33", u"TabSheet1", {323, 175, 54, 21}, u"A-1",
     {.imeOff = true, .fontSize = 13, .bold = true, .hasFontColor = true, .fontColor = ui::colors::Red}},
    {K::Label, u"Label30", u"TabSheet1", {17, 205, 66, 12}, u"プロット範囲"},
    {K::Label, u"Label29", u"TabSheet1", {85, 205, 92, 12}, u"(ex: 1-3, 5, 7, 9-)"},
    {K::Edit, u"Edit31", u"TabSheet1", {179, 202, 89, 20}, u"1-3,6,7", {.imeOff = true}},
    {K::CheckBox, u"CheckBox18", u"TabSheet1", {274, 202, 62, 17}, u"常にPAN"},
    {K::SpeedButton, u"SpeedButton3", u"TabSheet1", {339, 201, 41, 20}, u"PAN", {.tabStop = false}},

    // ---- " メイン ": the main list and its pop-up menu.
    {K::PopupMenu, u"PopupMenu1", nullptr, {}},
    {K::MenuItem, u"N1", u"PopupMenu1", {}, u"選択範囲をコピー"},
    {K::MenuItem, u"N2", u"PopupMenu1", {}, u"すべてコピー"},
    {K::MenuItem, u"N3", u"PopupMenu1", {}, u"-"},
    {K::MenuItem, u"N4", u"PopupMenu1", {}, u"現在セルから貼り付け（ペースト）"},
    {K::MenuItem, u"N5", u"PopupMenu1", {}, u"先頭セルから貼り付け（ペースト）"},
    {K::MenuItem, u"N6", u"PopupMenu1", {}, u"-"},
    {K::MenuItem, u"N8", u"PopupMenu1", {}, u"選択範囲をクリア"},
    {K::MenuItem, u"N7", u"PopupMenu1", {}, u"表示データをすべてクリア"},
    {K::MenuItem, u"N17", u"PopupMenu1", {}, u"内部データをすべてクリア"},
    {K::MenuItem, u"N9", u"PopupMenu1", {}, u"-"},
    {K::MenuItem, u"N10", u"PopupMenu1", {}, u"測点名でソート"},
    {K::MenuItem, u"N15", u"PopupMenu1", {}, u"測点名の番号のみでソート"},
    {K::MenuItem, u"N14", u"PopupMenu1", {}, u"-"},
    {K::MenuItem, u"N13", u"PopupMenu1", {}, u"同じ行データを整理"},
    {K::MenuItem, u"N11", u"PopupMenu1", {}, u"-"},
    {K::MenuItem, u"N12", u"PopupMenu1", {}, u"バージョン情報"},
    {K::MenuItem, u"NUndoSeparator", u"PopupMenu1", {}, u"-"},
    {K::MenuItem, u"NUndo", u"PopupMenu1", {}, u"元に戻す", {.enabled = false}},
    {K::MenuItem, u"NRedo", u"PopupMenu1", {}, u"やり直し", {.enabled = false}},
    {K::MenuItem, u"N31", u"PopupMenu1", {}, u"-"},
    {K::MenuItem, u"N32", u"PopupMenu1", {}, u"点ファイルを開く..."},
    {K::MenuItem, u"N33", u"PopupMenu1", {}, u"点ファイルに保存..."},
    {K::StringGrid, u"StringGrid1", u"TabSheet1", {0, 226, 380, 168}, u"",
     {.fontName = kListFontName, .fontSize = 12, .cols = 5, .rows = 5, .colWidth = 71, .rowHeight = 19,
      .grid = kMainListOptions, .scrollBars = ui::ScrollBars::Vertical, .popupMenu = u"PopupMenu1"}},
    // Both along the bottom of the page, the progress bar above the status bar.
    {K::ProgressBar, u"ProgressBar1", u"TabSheet1", {0, 400, 383, 16}},
    {K::StatusBar, u"StatusBar1", u"TabSheet1", {0, 416, 383, 20}, u"", {.panels = {50, 200}}},

    // ---- " CAD 設定 ": target CAD.
    {K::GroupBox, u"GroupBox9", u"TabSheet2", {3, 3, 365, 78}, u"ターゲット CAD"},
    {K::Label, u"Label34", u"GroupBox9", {12, 26, 40, 12}, u"名称"},
    {K::Edit, u"Edit35", u"GroupBox9", {60, 22, 240, 20}, u"", {.readOnly = true, .tabStop = false}},
    {K::Label, u"Label35", u"GroupBox9", {12, 50, 40, 12}, u"ProgID"},
    {K::Edit, u"Edit36", u"GroupBox9", {60, 46, 240, 20}, u"", {.readOnly = true, .tabStop = false}},
    {K::SpeedButton, u"SpeedButton5", u"GroupBox9", {311, 21, 44, 38}, u"編集", {.tabStop = false}},

    // ---- " CAD 設定 ": layers, one row each.
    {K::GroupBox, u"GroupBox4", u"TabSheet2", {3, 87, 365, 189}, u"作成画層"},
    {K::Label, u"Label7", u"GroupBox4", {10, 22, 52, 12}, u"PLINE"},
    {K::Edit, u"Edit2", u"GroupBox4", {64, 18, 291, 20}, u"SURVA_PLINE"},
    {K::Label, u"Label8", u"GroupBox4", {10, 46, 52, 12}, u"POINT"},
    {K::Edit, u"Edit8", u"GroupBox4", {64, 42, 291, 20}, u"SURVA_POINT"},
    {K::Label, u"Label18", u"GroupBox4", {10, 70, 52, 12}, u"CIRCLE"},
    {K::Edit, u"Edit18", u"GroupBox4", {64, 66, 291, 20}, u"SURVA_CIRCLE"},
    {K::Label, u"Label9", u"GroupBox4", {10, 94, 52, 12}, u"測点名"},
    {K::Edit, u"Edit9", u"GroupBox4", {64, 90, 291, 20}, u"SURVA_TEXTPT"},
    {K::Label, u"Label10", u"GroupBox4", {10, 118, 52, 12}, u"座標値"},
    {K::Edit, u"Edit10", u"GroupBox4", {64, 114, 291, 20}, u"SURVA_TEXTXY"},
    {K::Label, u"Label11", u"GroupBox4", {10, 142, 52, 12}, u"表枠"},
    {K::Edit, u"Edit11", u"GroupBox4", {64, 138, 291, 20}, u"SURVA_TBLLINE"},
    {K::Label, u"Label12", u"GroupBox4", {10, 166, 52, 12}, u"表文字"},
    {K::Edit, u"Edit12", u"GroupBox4", {64, 162, 291, 20}, u"SURVA_TBLTEXT"},

    // ---- " CAD 設定 ": sizes; three columns, then two options underneath.
    {K::GroupBox, u"GroupBox3", u"TabSheet2", {3, 282, 365, 124}, u"作成文字、表ｻｲｽﾞ"},
    {K::Label, u"Label6", u"GroupBox3", {8, 22, 40, 12}, u"測点名"},
    {K::Edit, u"Edit1", u"GroupBox3", {50, 18, 44, 20}, u"3", {.imeOff = true, .align = Align::Right}},
    {K::Label, u"Label13", u"GroupBox3", {8, 46, 40, 12}, u"座標値"},
    {K::Edit, u"Edit13", u"GroupBox3", {50, 42, 44, 20}, u"1.8", {.align = Align::Right}},
    {K::Label, u"Label14", u"GroupBox3", {8, 70, 40, 12}, u"表文字"},
    {K::Edit, u"Edit14", u"GroupBox3", {50, 66, 44, 20}, u"3", {.align = Align::Right}},
    {K::Label, u"Label15", u"GroupBox3", {100, 22, 84, 12}, u"一行高さ"},
    {K::Edit, u"Edit15", u"GroupBox3", {186, 18, 44, 20}, u"5", {.align = Align::Right}},
    {K::Label, u"Label16", u"GroupBox3", {100, 46, 84, 12}, u"列幅(測点）"},
    {K::Edit, u"Edit16", u"GroupBox3", {186, 42, 44, 20}, u"25", {.align = Align::Right}},
    {K::Label, u"Label17", u"GroupBox3", {100, 70, 84, 12}, u"列幅（座標値）"},
    {K::Edit, u"Edit17", u"GroupBox3", {186, 66, 44, 20}, u"25", {.align = Align::Right}},
    {K::Label, u"Label19", u"GroupBox3", {236, 22, 78, 12}, u"半径"},
    {K::Edit, u"Edit19", u"GroupBox3", {316, 18, 40, 20}, u"5", {.align = Align::Right}},
    {K::Label, u"Label20", u"GroupBox3", {236, 46, 78, 12}, u"作表 少数桁数"},
    {K::Edit, u"Edit20", u"GroupBox3", {316, 42, 40, 20}, u"3", {.align = Align::Right}},
    {K::CheckBox, u"CheckBox24", u"GroupBox3", {8, 98, 170, 17}, u"上記数値を DIMSCALE 倍", {.checked = true}},
    {K::Label, u"Label26", u"GroupBox3", {190, 100, 72, 12}, u"作表の座標値"},
    {K::CheckBox, u"CheckBox9", u"GroupBox3", {266, 98, 64, 17}, u"1/1000"},

    // ---- " 取得, ID 設定 ": harvesting.
    {K::GroupBox, u"GroupBox6", u"TabSheet3", {3, 3, 373, 85}, u""},
    {K::Label, u"Label24", u"GroupBox6", {10, 14, 176, 12}, u"CAD から座標取得時の少数桁数"},
    {K::Edit, u"Edit27", u"GroupBox6", {190, 10, 30, 20}, u"0", {.align = Align::Center}},
    {K::UpDown, u"UpDown6", u"GroupBox6", {220, 10, 32, 20}, u"",
     {.min = 0, .max = 8, .position = 0, .associate = u"Edit27", .horizontal = true}},
    {K::Label, u"Label25", u"GroupBox6", {10, 38, 96, 12}, u"測点名検索範囲"},
    {K::Edit, u"Edit28", u"GroupBox6", {110, 34, 50, 20}, u"5", {.align = Align::Right}},
    {K::CheckBox, u"CheckBox25", u"GroupBox6", {170, 36, 100, 17}, u"DIMSCALE 倍", {.checked = true}},
    {K::CheckBox, u"CheckBox10", u"GroupBox6", {10, 60, 112, 17}, u"測点名検索画層"},
    {K::Edit, u"Edit29", u"GroupBox6", {124, 58, 150, 20}, u""},
    {K::SpeedButton, u"SpeedButton2", u"GroupBox6", {280, 57, 70, 22}, u"画層取得", {.tabStop = false}},

    // ---- " 取得, ID 設定 ": point picking.
    {K::GroupBox, u"GroupBox7", u"TabSheet3", {3, 94, 372, 99}, u"ID"},
    {K::Label, u"Label31", u"GroupBox7", {10, 22, 176, 12}, u"CAD から取得時の少数桁数"},
    {K::Edit, u"Edit32", u"GroupBox7", {190, 18, 30, 20}, u"0", {.align = Align::Center}},
    {K::UpDown, u"UpDown7", u"GroupBox7", {220, 18, 32, 20}, u"",
     {.min = 0, .max = 8, .position = 0, .associate = u"Edit32", .horizontal = true}},
    {K::Label, u"Label33", u"GroupBox7", {10, 46, 176, 12}, u"測点名プロットの文字サイズ"},
    {K::Edit, u"Edit34", u"GroupBox7", {190, 42, 50, 20}, u"2.5", {.imeOff = true, .align = Align::Right}},
    {K::CheckBox, u"CheckBox20", u"GroupBox7", {250, 44, 100, 17}, u"DIMSCALE 倍", {.checked = true}},
    {K::CheckBox, u"CheckBox16", u"GroupBox7", {10, 72, 356, 17},
     u"交点 ( INT ) オプション ( [ ID ] ボタンの右クリックでも反転）", {.checked = true}},

    // ---- " 取得, ID 設定 ": kept in the settings, used by nothing.
    {K::GroupBox, u"GroupBox5", u"TabSheet3", {8, 228, 372, 46}, u""},
    {K::Label, u"Label22", u"GroupBox5", {10, 20, 120, 12}, u"DXFファイル作成待ち", {.enabled = false}},
    {K::Edit, u"Edit26", u"GroupBox5", {134, 16, 50, 20}, u"500",
     {.imeOff = true, .align = Align::Right, .enabled = false}},
    {K::Label, u"Label23", u"GroupBox5", {190, 20, 40, 12}, u"(msec)", {.enabled = false}},
    {K::SpeedButton, u"SpeedButton4", u"TabSheet3", {3, 280, 73, 22}, u"", {.visible = false, .tabStop = false}},

    // ---- " TEXT ".
    {K::Button, u"Button6", u"TabSheet4", {3, 3, 75, 25}, u"TEXT 取得"},
    {K::Button, u"Button7", u"TabSheet4", {84, 3, 75, 25}, u"Excelへ"},
    {K::CheckBox, u"CheckBox17", u"TabSheet4", {265, 30, 62, 17}, u"常にPAN"},
    {K::SpeedButton, u"SpeedButton1", u"TabSheet4", {332, 28, 49, 22}, u"PAN", {.tabStop = false}},
    {K::Label, u"Label32", u"TabSheet4", {11, 39, 150, 11}, u"↓項目名クリックでソート", {.fontSize = 11}},
    {K::StringGrid, u"StringGrid2", u"TabSheet4", {3, 56, 377, 357}, u"",
     {.cols = 4, .rows = 5, .colWidth = 87, .rowHeight = 19, .grid = kTextListOptions}},
    {K::ProgressBar, u"ProgressBar2", u"TabSheet4", {0, 419, 383, 17}},

    // ---- " SIMA/R ".
    {K::Button, u"Button9", u"TabSheet5", {3, 3, 75, 25}, u"読み込み"},
    {K::CheckBox, u"CheckBox13", u"TabSheet5", {84, 7, 56, 17}, u"×1000", {.checked = true}},
    {K::CheckBox, u"CheckBox12", u"TabSheet5", {143, 7, 70, 17}, u"X-Y 反転", {.checked = true}},
    {K::Label, u"Label27", u"TabSheet5", {216, 10, 90, 12}, u"(メインへ転記)"},
    {K::StringGrid, u"StringGrid3", u"TabSheet5", {3, 34, 377, 399}, u"",
     {.cols = 6, .rows = 5, .colWidth = 58, .rowHeight = 19, .grid = kSimaReadOptions}},

    // ---- " SIMA/W ".
    {K::Button, u"Button10", u"TabSheet6", {3, 3, 75, 25}, u"データ作成"},
    {K::CheckBox, u"CheckBox14", u"TabSheet6", {84, 7, 58, 17}, u"1/1000"},
    {K::CheckBox, u"CheckBox15", u"TabSheet6", {144, 5, 74, 17}, u"X-Y 反転"},
    {K::Label, u"Label28", u"TabSheet6", {222, 10, 50, 12}, u"測点名："},
    {K::Edit, u"Edit30", u"TabSheet6", {274, 7, 40, 20}, u"A-1"},
    {K::Button, u"Button11", u"TabSheet6", {320, 3, 57, 25}, u"保存"},
    {K::StringGrid, u"StringGrid4", u"TabSheet6", {3, 34, 377, 399}, u"",
     {.cols = 6, .rows = 5, .colWidth = 58, .rowHeight = 19, .grid = kSimaWriteOptions}},
};

}  // namespace

std::span<const ui::ControlSpec> mainFormLayout() { return kLayout; }

}  // namespace surva::app
