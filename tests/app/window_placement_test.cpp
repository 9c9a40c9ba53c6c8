#include "app/window_placement.h"

#include <gtest/gtest.h>

namespace surva::app {
namespace {

using Lines = std::vector<text::u16>;

TEST(WindowPlacement, CentredByDefaultAndKeptOnScreenOnlyRightAndBottom) {
  const platform::Size screen{1920, 1080}, window{407, 503};
  EXPECT_EQ(placeWindow(IniFile(), screen, window), (WindowPosition{756, 288}));
  EXPECT_EQ(placeWindow(IniFile(), {1921, 1081}, {400, 500}), (WindowPosition{760, 290}));
  EXPECT_EQ(placeWindow(IniFile(Lines{u"[Form]", u"Left=5000", u"Top=2000"}), screen, window),
            (WindowPosition{1920 - 407, 1080 - 503}));
  EXPECT_EQ(placeWindow(IniFile(Lines{u"[form]", u"LEFT=-300", u"top=-20"}), screen, window),
            (WindowPosition{-300, -20}));
  // A window larger than the screen: the right-edge rule may push it left of it.
  EXPECT_EQ(placeWindow(IniFile(Lines{u"[Form]", u"Left=0", u"Top=0"}), {300, 400}, window),
            (WindowPosition{300 - 407, 400 - 503}));
  EXPECT_EQ(placeWindow(IniFile(Lines{u"[Form]", u"Left=abc", u"Top=0x10"}), screen, window),
            (WindowPosition{756, 16}));
  // Edges near the integer limits (found by fuzzing the settings file).
  EXPECT_EQ(placeWindow(IniFile(Lines{u"[Form]", u"Left=2147483647", u"Top=-2147483648"}), screen, window),
            (WindowPosition{1920 - 407, -2147483647 - 1}));
}

}  // namespace
}  // namespace surva::app
