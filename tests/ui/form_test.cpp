// Forms: ownership of controls, peers from a backend, modal showing.
#include <gtest/gtest.h>

#include "support/fake_backend.h"
#include "ui/controls.h"

namespace surva::ui {
namespace {

TEST(Form, FindsControlsByNameAndKind) {
  Form f(u"F");
  auto& g = f.create<GroupBox>(u"G");
  f.create<Edit>(u"E", &g);
  EXPECT_EQ(f.find(u"E")->parent(), &g);
  EXPECT_EQ(g.parent(), &f);
  EXPECT_EQ(f.find(u"nope"), nullptr);
  EXPECT_THROW(f.get<CheckBox>(u"E"), std::logic_error);
  EXPECT_THROW(f.get<Edit>(u"nope"), std::logic_error);
  EXPECT_EQ(f.find(u"E")->form(), &f);
}

TEST(Form, PeersAreCreatedParentsFirstOnShowAndDestroyedChildrenFirst) {
  fakes::FakeBackend backend;
  {
    Form f(u"F", &backend);
    auto& g = f.create<GroupBox>(u"G");
    auto& e = f.create<Edit>(u"E", &g);
    EXPECT_TRUE(backend.log.created.empty());  // nothing before the form is shown
    f.show();
    EXPECT_EQ(backend.log.created, (std::vector<std::string>{"F", "G", "E"}));
    e.setText(u"x");
    e.setText(u"x");
    EXPECT_EQ(backend.changesOf("E", Property::Text), 1);
    f.create<Label>(u"L", &g);  // a control made later gets its peer at once
    EXPECT_EQ(backend.log.created.back(), "L");
  }
  EXPECT_EQ(backend.log.destroyed, (std::vector<std::string>{"L", "E", "G", "F"}));
}

TEST(Form, ADialogUsesItsOwnersBackendForShowModal) {
  fakes::FakeBackend backend;
  Form main(u"Main", &backend);
  Form dialog(u"D", nullptr, &main);
  dialog.setText(u"caption");
  backend.onShowModal = [](Form& f) {
    f.setModalResult(ModalResult::Ok);
    return ModalResult::Ok;
  };
  EXPECT_EQ(dialog.showModal(), ModalResult::Ok);
  EXPECT_EQ(backend.modalShown, (std::vector<std::string>{"caption"}));
  EXPECT_FALSE(dialog.visible());
}

TEST(Form, ClosingAModalFormByTheTitleBarIsCancel) {
  Form dialog(u"D");
  setModalHook([](Form& f) {
    f.requestClose();
    return ModalResult::None;
  });
  EXPECT_EQ(dialog.showModal(), ModalResult::Cancel);
  setModalHook(nullptr);
}

TEST(Form, ProcessMessagesGoesToTheBackend) {
  fakes::FakeBackend backend;
  Form f(u"F", &backend);
  f.processMessages();
  Form alone(u"A");
  alone.processMessages();  // no backend: nothing to do
  EXPECT_EQ(backend.pumps, 1);
}

TEST(Layout, BuildsRowsInOrderAndRejectsBadReferences) {
  using K = Kind;
  const ControlSpec good[] = {
      {K::GroupBox, u"G", nullptr, {1, 2, 30, 40}, u"group", {.enabled = false}},
      {K::Edit, u"E", u"G", {0, 0, 10, 10}, u"7", {.readOnly = true, .align = Align::Right}},
      {K::UpDown, u"U", u"G", {}, u"", {.min = 0, .max = 8, .position = 2, .associate = u"E"}},
  };
  Form f(u"F");
  buildForm(f, good);
  EXPECT_EQ(f.get<GroupBox>(u"G").bounds(), (Rect{1, 2, 30, 40}));
  EXPECT_FALSE(f.get<Edit>(u"E").enabledInTree());
  EXPECT_EQ(f.get<Edit>(u"E").text(), u"2");  // the buddy shows the position
  EXPECT_EQ(f.get<Edit>(u"E").alignment(), Align::Right);

  const ControlSpec lateParent[] = {{K::Edit, u"E", u"G", {}}, {K::GroupBox, u"G", nullptr, {}}};
  Form f2(u"F2");
  EXPECT_THROW(buildForm(f2, lateParent), std::logic_error);
  const ControlSpec twice[] = {{K::Edit, u"E", nullptr, {}}, {K::Edit, u"E", nullptr, {}}};
  Form f3(u"F3");
  EXPECT_THROW(buildForm(f3, twice), std::logic_error);
  const ControlSpec badBuddy[] = {{K::Label, u"L", nullptr, {}}, {K::UpDown, u"U", nullptr, {}, u"", {.associate = u"L"}}};
  Form f4(u"F4");
  EXPECT_THROW(buildForm(f4, badBuddy), std::logic_error);
}

}  // namespace
}  // namespace surva::ui
