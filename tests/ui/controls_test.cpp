// Events and input rules of the simple controls.
#include <gtest/gtest.h>

#include "support/fake_backend.h"
#include "ui/controls.h"

namespace surva::ui {
namespace {

TEST(CheckBox, ProgramAndUserChangesRaiseTheSameEventOnlyOnRealChange) {
  Form f(u"F");
  auto& c = f.create<CheckBox>(u"C");
  int clicks = 0;
  c.onClick = [&] { ++clicks; };
  c.setChecked(false);  // no change
  EXPECT_EQ(clicks, 0);
  c.setChecked(true);
  EXPECT_EQ(clicks, 1);
  c.click();  // the user
  EXPECT_FALSE(c.checked());
  EXPECT_EQ(clicks, 2);
}

TEST(CheckBox, DisabledOrInsideADisabledGroupGetsNoInputButKeepsItsState) {
  Form f(u"F");
  auto& g = f.create<GroupBox>(u"G");
  auto& c = f.create<CheckBox>(u"C", &g);
  c.setChecked(true);
  int downs = 0;
  c.onMouseDown = [&](MouseButton, int, int) { ++downs; };

  g.setEnabled(false);
  EXPECT_TRUE(c.enabled());
  EXPECT_FALSE(c.enabledInTree());
  c.click();
  EXPECT_FALSE(c.mouseDown(MouseButton::Right, 1, 1));
  EXPECT_TRUE(c.checked());
  EXPECT_EQ(downs, 0);

  g.setEnabled(true);
  c.setEnabled(false);
  c.click();
  EXPECT_TRUE(c.checked());
  c.setChecked(false);  // the program may still set it
  EXPECT_FALSE(c.checked());

  c.setEnabled(true);
  c.setVisible(false);  // hidden controls get no input either
  c.click();
  EXPECT_FALSE(c.checked());
}

TEST(Edit, ChangeEventOnEveryRealChange) {
  Form f(u"F");
  auto& e = f.create<Edit>(u"E");
  std::vector<text::u16> seen;
  e.onChange = [&] { seen.push_back(e.text()); };
  e.setText(u"1-3");
  e.setText(u"1-3");
  e.setText(u"");
  EXPECT_EQ(seen, (std::vector<text::u16>{u"1-3", u""}));
}

TEST(UpDown, PositionIsClampedAndShownInTheBuddy) {
  Form f(u"F");
  auto& buddy = f.create<Edit>(u"E");
  auto& u = f.create<UpDown>(u"U");
  u.setRange(0, 25);
  u.setPosition(3);
  u.setAssociate(&buddy);
  EXPECT_EQ(buddy.text(), u"3");

  int changes = 0, buddyChanges = 0;
  u.onChange = [&] { ++changes; };
  buddy.onChange = [&] { ++buddyChanges; };
  u.setPosition(40);
  EXPECT_EQ(u.position(), 25);
  EXPECT_EQ(buddy.text(), u"25");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(buddyChanges, 1);
  u.setPosition(25);
  EXPECT_EQ(changes, 1);
  u.setPosition(-5);
  EXPECT_EQ(u.position(), 0);
}

TEST(UpDown, ArrowClickMovesByOneAndRaisesClickAlsoAtTheEnd) {
  Form f(u"F");
  auto& buddy = f.create<Edit>(u"E");
  auto& u = f.create<UpDown>(u"U");
  u.setRange(0, 2);
  u.setAssociate(&buddy);
  std::vector<UpDownButton> clicks;
  u.onClick = [&](UpDownButton b) { clicks.push_back(b); };
  u.click(UpDownButton::Up);
  u.click(UpDownButton::Up);
  u.click(UpDownButton::Up);
  EXPECT_EQ(u.position(), 2);
  EXPECT_EQ(buddy.text(), u"2");
  EXPECT_EQ(clicks.size(), 3u);
  u.click(UpDownButton::Down);
  EXPECT_EQ(u.position(), 1);
  // Setting the position by program is not an arrow click.
  u.setPosition(0);
  EXPECT_EQ(clicks.size(), 4u);
  u.setEnabled(false);
  u.click(UpDownButton::Up);
  EXPECT_EQ(u.position(), 0);
}

TEST(UpDown, TypingAnIntegerIntoTheBuddyMovesThePosition) {
  Form f(u"F");
  auto& buddy = f.create<Edit>(u"E");
  auto& u = f.create<UpDown>(u"U");
  u.setRange(0, 8);
  u.setAssociate(&buddy);
  buddy.setText(u"5");
  EXPECT_EQ(u.position(), 5);
  buddy.setText(u"12");
  EXPECT_EQ(u.position(), 8);
  EXPECT_EQ(buddy.text(), u"12");  // the typed text is not rewritten
  buddy.setText(u"x");
  EXPECT_EQ(u.position(), 8);
}

TEST(UpDown, EitherOfABuddyPairMayGoFirst) {
  auto buddy = std::make_unique<Edit>(u"E");
  auto u = std::make_unique<UpDown>(u"U");
  u->setAssociate(buddy.get());
  buddy.reset();
  EXPECT_EQ(u->associate(), nullptr);
  u->setPosition(4);  // no buddy left to write
  EXPECT_EQ(u->position(), 4);
}

TEST(Button, ClickRaisesOnClickAndClosesAModalFormWithItsResult) {
  Form dialog(u"D");
  auto& ok = dialog.create<Button>(u"OK");
  ok.setModalResult(ModalResult::Ok);
  int clicks = 0;
  ok.onClick = [&] { ++clicks; };
  setModalHook([&](Form& f) {
    f.get<Button>(u"OK").click();
    return ModalResult::None;
  });
  EXPECT_EQ(dialog.showModal(), ModalResult::Ok);
  EXPECT_EQ(clicks, 1);
  setModalHook(nullptr);
  EXPECT_EQ(dialog.showModal(), ModalResult::Cancel);  // no hook: at once
  ok.setEnabled(false);
  ok.click();
  EXPECT_EQ(clicks, 1);
}

TEST(MenuItem, SeparatorsAndDisabledItemsDoNothing) {
  Form f(u"F");
  auto& menu = f.create<PopupMenu>(u"M");
  auto& a = f.create<MenuItem>(u"A", &menu);
  auto& sep = f.create<MenuItem>(u"S", &menu);
  a.setText(u"copy");
  sep.setText(u"-");
  int n = 0;
  a.onClick = [&] { ++n; };
  sep.onClick = [&] { ++n; };
  sep.click();
  EXPECT_TRUE(sep.isSeparator());
  a.click();
  a.setEnabled(false);
  a.click();
  EXPECT_EQ(n, 1);
  EXPECT_EQ(menu.items(), (std::vector<MenuItem*>{&a, &sep}));
}

TEST(PageControl, ActivePageByIndexOrPage) {
  Form f(u"F");
  auto& pc = f.create<PageControl>(u"P");
  auto& t1 = f.create<TabSheet>(u"T1", &pc);
  auto& t2 = f.create<TabSheet>(u"T2", &pc);
  int changes = 0;
  pc.onChange = [&] { ++changes; };
  pc.setActivePage(t2);
  EXPECT_EQ(pc.activePage(), &t2);
  pc.setActivePageIndex(7);
  EXPECT_EQ(pc.activePageIndex(), 1);
  pc.setActivePage(t1);
  EXPECT_EQ(changes, 2);
}

TEST(StatusBarAndLists, OutOfRangeIndexesAreHarmless) {
  Form f(u"F");
  auto& s = f.create<StatusBar>(u"S");
  s.setPanels({{50, {}}, {200, {}}});
  s.setPanelText(0, u" 1 / 4");
  s.setPanelText(5, u"lost");
  EXPECT_EQ(s.panelText(0), u" 1 / 4");
  EXPECT_EQ(s.panelText(5), u"");

  auto& l = f.create<ListBox>(u"L");
  l.setItems({u"a", u"b", u"c"});
  l.setItemIndex(2);
  l.deleteItem(0);
  EXPECT_EQ(l.itemIndex(), 1);
  l.deleteItem(1);
  EXPECT_EQ(l.itemIndex(), -1);
  l.setItemIndex(9);
  EXPECT_EQ(l.itemIndex(), -1);

  auto& p = f.create<ProgressBar>(u"P");
  p.setRange(0, 10);
  p.setPosition(11);
  EXPECT_EQ(p.position(), 10);
}

TEST(Fonts, UnsetFieldsComeFromTheParents) {
  Form f(u"F");
  f.setFont({.name = u"UI", .sizePx = 12});
  auto& g = f.create<GroupBox>(u"G");
  auto& e = f.create<Edit>(u"E", &g);
  e.setFont({.name = {}, .sizePx = 13, .bold = true, .hasColor = true, .color = colors::Red});
  Font eff = e.effectiveFont();
  EXPECT_EQ(eff.name, u"UI");
  EXPECT_EQ(eff.sizePx, 13);
  EXPECT_TRUE(eff.bold);
  EXPECT_EQ(eff.color, colors::Red);
}

}  // namespace
}  // namespace surva::ui
