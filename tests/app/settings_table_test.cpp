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

}  // namespace
}  // namespace surva::app
