#include "app/about_box.h"

#include "app/main_form_layout.h"

namespace surva::app {

namespace {

using K = ui::Kind;

const ui::ControlSpec kAboutLayout[] = {
    {K::Panel, u"Panel1", nullptr, {7, 7, 212, 112}, u"",
     {.bevelInner = ui::Bevel::Raised, .bevelOuter = ui::Bevel::Lowered}},
    {K::Image, u"ProgramIcon", u"Panel1", {14, 17, 40, 38}, u"", {.stretch = true}},
    {K::Label, u"ProductName", u"Panel1", {60, 15, 100, 16}, u"Surva2023", {.fontSize = 16, .bold = true}},
    {K::Label, u"Version", u"Panel1", {63, 40, 90, 12}, u"Ver, 2023.8.9"},
    {K::Button, u"OKButton", nullptr, {78, 131, 69, 23}, u"OK",
     {.modalResult = ui::ModalResult::Ok, .isDefault = true}},
};

}  // namespace

AboutBox::AboutBox(ui::Form& owner)
    : ui::Form(u"AboutBox", nullptr, &owner),
      layoutBuilt_(buildLayout()),
      Panel1(get<ui::Panel>(u"Panel1")),
      ProgramIcon(get<ui::Image>(u"ProgramIcon")),
      ProductName(get<ui::Label>(u"ProductName")),
      Version(get<ui::Label>(u"Version")),
      OKButton(get<ui::Button>(u"OKButton")) {}

bool AboutBox::buildLayout() {
  setText(u"バージョン情報");
  setBounds({0, 0, 227, 164});
  setBorderStyle(ui::BorderStyle::Dialog);
  setBorderIcons({.systemMenu = true, .minimize = false, .maximize = false});
  setPositionMode(ui::FormPosition::ScreenCenter);
  setFont({.name = kUiFontName, .sizePx = kUiFontSize});
  ui::buildForm(*this, kAboutLayout);
  return true;
}

}  // namespace surva::app
