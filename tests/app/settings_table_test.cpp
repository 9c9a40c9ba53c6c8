#include "app/settings_table.h"

#include <gtest/gtest.h>

#include <set>

#include "text/u16.h"

namespace surva::app {
namespace {

using text::u16;

u16 lower(std::u16string_view s) { return text::lowerAscii(s); }

TEST(SettingsTable, FiftyNineKeysInFifteenSectionsWrittenOnceEach) {
  auto read = settingsInReadOrder();
  const auto& written = settingsInWriteOrder();
  ASSERT_EQ(read.size(), 59u);
  ASSERT_EQ(written.size(), 59u);
  std::set<u16> sections, keys, controls;
  for (const auto& s : read) {
    sections.insert(lower(s.section));
    keys.insert(lower(s.section) + u'/' + lower(s.key));
    if (!s.control.empty()) {
      EXPECT_TRUE(controls.insert(u16(s.control)).second) << text::toUtf8(s.control);
    }
  }
  EXPECT_EQ(sections.size(), 15u);
  EXPECT_EQ(keys.size(), 59u);
  std::set<const Setting*> distinct(written.begin(), written.end());
  EXPECT_EQ(distinct.size(), 59u);
}

TEST(SettingsTable, WriteOrderGroupsBySectionAsShutdownWritesThem) {
  const auto& w = settingsInWriteOrder();
  EXPECT_EQ(w.front()->key, u"Left");
  EXPECT_EQ(w.back()->control, u"");
  EXPECT_EQ(w.back()->target, SettingTarget::TargetProgId);
  // TextSize's CIRCLE and ketasuu come before TableSize when written,
  // after it when read.
  EXPECT_EQ(w[27]->control, u"Edit19");
  EXPECT_EQ(w[28]->keyToWrite(), u"Ketasuu");
  EXPECT_EQ(w[29]->section, u"TableSize");
  EXPECT_EQ(settingsInReadOrder()[30].control, u"Edit19");
}

TEST(SettingsTable, DefaultsWhereTheyDifferFromTheWindowDesign) {
  auto get = [](std::u16string_view section, std::u16string_view key) {
    const Setting* s = findSetting(section, key);
    EXPECT_NE(s, nullptr);
    return s;
  };
  EXPECT_EQ(get(u"SIMAW", u"1/1000")->defaultNumber, 1);
  EXPECT_EQ(get(u"simaw", u"xyrev")->defaultNumber, 1);
  EXPECT_EQ(get(u"AutoCAD", u"Close")->defaultNumber, 0);
  EXPECT_EQ(get(u"TextSize", u"TEXTPT")->defaultText, u"2.5");
  EXPECT_EQ(get(u"TableSize", u"Width2")->defaultText, u"30.0");
  EXPECT_EQ(get(u"IDOPTION", u"Edt33")->defaultText, u"101");
  EXPECT_EQ(get(u"DXF", u"Sleep")->target, SettingTarget::EditInteger);
  EXPECT_EQ(get(u"DXF", u"Sleep")->defaultNumber, 500);
  EXPECT_EQ(get(u"TEXTSIZE", u"KETASUU")->keyToWrite(), u"Ketasuu");
}

}  // namespace
}  // namespace surva::app
