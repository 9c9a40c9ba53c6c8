#include "app/settings_table.h"

#include <array>
#include <stdexcept>

#include "text/u16.h"

namespace surva::app {

namespace {

using T = SettingType;
using S = SettingTarget;

constexpr Setting integer(std::u16string_view section, std::u16string_view key, std::u16string_view control,
                          std::int32_t def) {
  return {section, key, T::Integer, S::UpDown, control, def};
}
constexpr Setting flag(std::u16string_view section, std::u16string_view key, std::u16string_view control, bool def) {
  return {section, key, T::Bool, S::CheckBox, control, def ? 1 : 0};
}
constexpr Setting textOf(std::u16string_view section, std::u16string_view key, std::u16string_view control,
                         std::u16string_view def) {
  return {section, key, T::Text, S::Edit, control, 0, def};
}
constexpr Setting number(std::u16string_view section, std::u16string_view key, std::u16string_view control,
                         std::u16string_view def, std::u16string_view written = u"") {
  return {section, key, T::NumberText, S::Edit, control, 0, def, written};
}

constexpr std::array<Setting, 59> kSettings{{
    {u"Form", u"Left", T::Integer, S::FormLeft, u""},
    {u"Form", u"Top", T::Integer, S::FormTop, u""},
    integer(u"Excel", u"ColN", u"UpDown1", 0),
    integer(u"Excel", u"ColX", u"UpDown2", 1),
    integer(u"Excel", u"ColY", u"UpDown3", 2),
    integer(u"Excel", u"ColZ", u"UpDown5", 3),
    flag(u"Excel", u"FlagZ", u"CheckBox8", false),
    integer(u"Excel", u"RowS", u"UpDown4", 1),
    textOf(u"Excel", u"Dlm", u"Edit7", u"-"),
    flag(u"AutoCAD", u"PLINE", u"CheckBox1", false),
    flag(u"AutoCAD", u"POINT", u"CheckBox2", true),
    flag(u"AutoCAD", u"CIRCLE", u"CheckBox6", true),
    flag(u"AutoCAD", u"SORT", u"CheckBox7", false),
    flag(u"AutoCAD", u"StrN", u"CheckBox3", true),
    flag(u"AutoCAD", u"StrP", u"CheckBox4", true),
    flag(u"AutoCAD", u"Close", u"CheckBox5", false),
    textOf(u"Layer", u"PLINE", u"Edit2", u"SURVA_PLINE"),
    textOf(u"Layer", u"POINT", u"Edit8", u"SURVA_POINT"),
    textOf(u"Layer", u"CIRCLE", u"Edit18", u"SURVA_CIRCLE"),
    textOf(u"Layer", u"TEXTPT", u"Edit9", u"SURVA_TEXTPT"),
    textOf(u"Layer", u"TEXTXY", u"Edit10", u"SURVA_TEXTXY"),
    textOf(u"Layer", u"TBLLINE", u"Edit11", u"SURVA_TBLLINE"),
    textOf(u"Layer", u"TBLTEXT", u"Edit12", u"SURVA_TBLTEXT"),
    number(u"TextSize", u"TEXTPT", u"Edit1", u"2.5"),
    number(u"TextSize", u"TEXTAREA", u"Edit28", u"5.0"),
    number(u"TextSize", u"TEXTXY", u"Edit13", u"1.8"),
    number(u"TextSize", u"TBLTEXT", u"Edit14", u"2.5"),
    number(u"TableSize", u"Height", u"Edit15", u"5.0"),
    number(u"TableSize", u"Width1", u"Edit16", u"25.0"),
    number(u"TableSize", u"Width2", u"Edit17", u"30.0"),
    number(u"TextSize", u"CIRCLE", u"Edit19", u"5.0"),
    number(u"TextSize", u"ketasuu", u"Edit20", u"3", u"Ketasuu"),
    flag(u"DXF", u"UCS", u"UCS", false),
    {u"DXF", u"Sleep", T::Integer, S::EditInteger, u"Edit26", 500},
    flag(u"TableScale", u"1/1000", u"CheckBox9", false),
    integer(u"AutoCAD", u"RoundOff", u"UpDown6", 3),
    integer(u"AutoCAD", u"IDRoundOff", u"UpDown7", 0),
    flag(u"AutoCAD", u"CheckTextLayer", u"CheckBox10", false),
    textOf(u"AutoCAD", u"TextLayerName", u"Edit29", u""),
    flag(u"AutoCAD", u"StrPZ", u"CheckBox11", false),
    flag(u"AutoCAD", u"StrPYX", u"CheckBox12", true),
    flag(u"AutoCAD", u"StrPSC", u"CheckBox13", true),
    flag(u"SIMAW", u"1/1000", u"CheckBox14", true),
    flag(u"SIMAW", u"XYREV", u"CheckBox15", true),
    textOf(u"SIMAW", u"HEAD", u"Edit30", u"A1"),
    flag(u"IDOPTION", u"INT", u"CheckBox16", true),
    flag(u"IDOPTION", u"Chk19", u"CheckBox19", true),
    flag(u"IDOPTION", u"Chk20", u"CheckBox20", true),
    textOf(u"IDOPTION", u"Edt33", u"Edit33", u"101"),
    number(u"IDOPTION", u"Edt34", u"Edit34", u"2.5"),
    flag(u"Draw", u"CheckBox21", u"CheckBox21", false),
    flag(u"Draw", u"CheckBox22", u"CheckBox22", false),
    flag(u"Draw", u"CheckBox23", u"CheckBox23", false),
    flag(u"Draw", u"CheckBox26", u"CheckBox26", false),
    flag(u"DIMSCALE", u"CheckBox24", u"CheckBox24", true),
    flag(u"DIMSCALE", u"CheckBox25", u"CheckBox25", true),
    flag(u"LISTUP", u"CheckBox27", u"CheckBox27", false),
    flag(u"POLYLINE", u"3D", u"CheckBox28", false),
    {u"Target", u"ProgID", T::Text, S::TargetProgId, u""},
}};

struct KeyRef {
  std::u16string_view section;
  std::u16string_view key;
};

// Shutdown writes by section; AutoCAD comes twice, its second group landing
// in the section's existing place in the file.
constexpr KeyRef kWriteOrder[] = {
    {u"Form", u"Left"},           {u"Form", u"Top"},
    {u"Excel", u"ColN"},          {u"Excel", u"ColX"},
    {u"Excel", u"ColY"},          {u"Excel", u"ColZ"},
    {u"Excel", u"FlagZ"},         {u"Excel", u"RowS"},
    {u"Excel", u"Dlm"},           {u"AutoCAD", u"PLINE"},
    {u"AutoCAD", u"POINT"},       {u"AutoCAD", u"CIRCLE"},
    {u"AutoCAD", u"SORT"},        {u"AutoCAD", u"StrN"},
    {u"AutoCAD", u"StrP"},        {u"AutoCAD", u"Close"},
    {u"Layer", u"PLINE"},         {u"Layer", u"POINT"},
    {u"Layer", u"CIRCLE"},        {u"Layer", u"TEXTPT"},
    {u"Layer", u"TEXTXY"},        {u"Layer", u"TBLLINE"},
    {u"Layer", u"TBLTEXT"},       {u"TextSize", u"TEXTPT"},
    {u"TextSize", u"TEXTAREA"},   {u"TextSize", u"TEXTXY"},
    {u"TextSize", u"TBLTEXT"},    {u"TextSize", u"CIRCLE"},
    {u"TextSize", u"Ketasuu"},    {u"TableSize", u"Height"},
    {u"TableSize", u"Width1"},    {u"TableSize", u"Width2"},
    {u"DXF", u"UCS"},             {u"DXF", u"Sleep"},
    {u"TableScale", u"1/1000"},   {u"AutoCAD", u"RoundOff"},
    {u"AutoCAD", u"IDRoundOff"},  {u"AutoCAD", u"CheckTextLayer"},
    {u"AutoCAD", u"TextLayerName"}, {u"AutoCAD", u"StrPZ"},
    {u"AutoCAD", u"StrPYX"},      {u"AutoCAD", u"StrPSC"},
    {u"SIMAW", u"1/1000"},        {u"SIMAW", u"XYREV"},
    {u"SIMAW", u"HEAD"},          {u"IDOPTION", u"INT"},
    {u"IDOPTION", u"Chk19"},      {u"IDOPTION", u"Chk20"},
    {u"IDOPTION", u"Edt33"},      {u"IDOPTION", u"Edt34"},
    {u"Draw", u"CheckBox21"},     {u"Draw", u"CheckBox22"},
    {u"Draw", u"CheckBox23"},     {u"Draw", u"CheckBox26"},
    {u"DIMSCALE", u"CheckBox24"}, {u"DIMSCALE", u"CheckBox25"},
    {u"LISTUP", u"CheckBox27"},   {u"POLYLINE", u"3D"},
    {u"Target", u"ProgID"},
};
static_assert(std::size(kWriteOrder) == kSettings.size());

}  // namespace

std::span<const Setting> settingsInReadOrder() { return kSettings; }

const Setting* findSetting(std::u16string_view section, std::u16string_view key) {
  for (const auto& s : kSettings)
    if (text::equalsIgnoreAsciiCase(s.section, section) && text::equalsIgnoreAsciiCase(s.key, key)) return &s;
  return nullptr;
}

const std::vector<const Setting*>& settingsInWriteOrder() {
  static const std::vector<const Setting*> order = [] {
    std::vector<const Setting*> v;
    for (const auto& ref : kWriteOrder) {
      const Setting* s = findSetting(ref.section, ref.key);
      if (!s) throw std::logic_error("settings write order names an unknown key");
      v.push_back(s);
    }
    return v;
  }();
  return order;
}

}  // namespace surva::app
