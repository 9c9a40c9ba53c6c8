#include "app/target_cad_form_layout.h"

namespace surva::app {

namespace {

using ui::Kind;

constexpr ui::ControlSpec kLayout[] = {
    {Kind::ListBox, u"ListBox1", nullptr, {8, 8, 297, 137}, u"", {.fontSize = 13}},
    {Kind::GroupBox, u"GroupBox1", nullptr, {8, 151, 297, 105}, u""},
    {Kind::Label, u"Label1", u"GroupBox1", {16, 3, 66, 12}, u"名称 （説明）", {.fontSize = 12}},
    {Kind::Edit, u"Edit1", u"GroupBox1", {16, 23, 198, 24}, u"", {.imeOff = true, .fontSize = 13}},
    {Kind::Label, u"Label2", u"GroupBox1", {16, 53, 126, 12}, u"ProgID （クラス文字列）", {.fontSize = 12}},
    {Kind::Edit, u"Edit2", u"GroupBox1", {16, 73, 198, 24}, u"", {.imeOff = true, .fontSize = 13}},
    {Kind::SpeedButton, u"SpeedButton1", u"GroupBox1", {220, 21, 71, 22}, u"追加"},
    {Kind::SpeedButton, u"SpeedButton2", u"GroupBox1", {220, 49, 71, 22}, u"削除"},
    {Kind::SpeedButton, u"SpeedButton3", u"GroupBox1", {220, 77, 71, 22}, u"変更"},
    {Kind::Button, u"Button1", nullptr, {80, 271, 75, 25}, u"OK", {.modalResult = ui::ModalResult::Ok}},
    {Kind::Button, u"Button2", nullptr, {161, 271, 88, 25}, u"取り消し", {.modalResult = ui::ModalResult::Cancel}},
};

}  // namespace

std::span<const ui::ControlSpec> targetCadFormLayout() { return kLayout; }

}  // namespace surva::app
