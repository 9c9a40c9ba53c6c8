// The error report, the confirmation dialog and the version dialog.
#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/messages.h"
#include "main_form_fixture.h"
#include "text/error.h"

namespace surva::app {
namespace {

TEST(ErrorReport, FullStopUnlessTheMessageEndsInACodeOf46OrBelow) {
  const std::pair<const char16_t*, const char16_t*> cases[] = {
      {u"ファイルを開けません", u"ファイルを開けません."},
      {u"Done.", u"Done."},
      {u"Done!", u"Done!"},         // 33
      {u"1-", u"1-"},               // 45
      {u"path/", u"path/."},        // 47
      {u"a (b)", u"a (b)"},         // 41
      {u"trailing ", u"trailing "}, // 32
      {u"A", u"A."},
      {u"終わり。", u"終わり。."},  // the ideographic full stop is far above 46
      {u"", u"."},
  };
  for (auto [in, out] : cases) EXPECT_EQ(errorReportText(in), out) << text::toUtf8(in);
}

TEST(ErrorReport, AnErrorEndsTheCommandAndTheProgramGoesOn) {
  fakes::FakeDialogs dialogs;
  CommandRunner runner(&dialogs);
  bool after = false, next = false;
  runner.run([&] {
    throw Failure(u"CAD が見つかりません");
    after = true;
  });
  runner.run([&] { next = true; });
  EXPECT_FALSE(after);
  EXPECT_TRUE(next);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].message, u"CAD が見つかりません.");
  EXPECT_EQ(dialogs.shown[0].caption, u"Surva2024.2.21");
  EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::Error);
  EXPECT_EQ(dialogs.shown[0].buttons, platform::Buttons::Ok);

  runner.run([] { throw std::runtime_error("bad"); });
  EXPECT_EQ(dialogs.shown.back().message, u"bad.");
  runner.run([] { throw 42; });
  EXPECT_EQ(dialogs.shown.size(), 3u);
}

TEST(ErrorReport, AnErrorInANestedEventEndsTheWholeCommandOnce) {
  fakes::FakeDialogs dialogs;
  CommandRunner runner(&dialogs);
  bool outerFinished = false;
  runner.run([&] {
    runner.run([] { throw Failure(u"inner"); });  // an event raised by a program change
    outerFinished = true;
  });
  EXPECT_FALSE(outerFinished);
  EXPECT_EQ(dialogs.shown.size(), 1u);

  // Events dispatched while a command lets messages through report their own.
  runner.run([&] {
    runner.dispatchOutside([&] { runner.run([] { throw Failure(u"clicked meanwhile"); }); });
    outerFinished = true;
  });
  EXPECT_TRUE(outerFinished);
  EXPECT_EQ(dialogs.shown.size(), 2u);
}

TEST(ErrorReport, HandlersOfTheMainWindowRunInsideIt) {
  testing::MainFormFixture f;
  f.backend.onShowModal = [](ui::Form&) -> ui::ModalResult { throw Failure(u"ダイアログを表示できません"); };
  f.form.N12.click();
  ASSERT_EQ(f.fakes.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.fakes.dialogs.shown[0].message, u"ダイアログを表示できません.");
  // The dialog did not outlive the failed command.
  EXPECT_EQ(f.backend.log.created.size(), f.backend.log.destroyed.size());
}

TEST(Confirm, QuestionIconCaptionAndTheGivenButtons) {
  fakes::FakeDialogs dialogs;
  dialogs.answers.push_back(platform::Answer::No);
  EXPECT_EQ(confirm(dialogs, u"上書きしますか？", platform::Buttons::YesNo), platform::Answer::No);
  EXPECT_EQ(confirm(dialogs, u"TEXT ではありません."), platform::Answer::Ok);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].caption, u"確認");
  EXPECT_EQ(dialogs.shown[0].icon, platform::Icon::Question);
  EXPECT_EQ(dialogs.shown[0].buttons, platform::Buttons::YesNo);
  EXPECT_EQ(dialogs.shown[1].buttons, platform::Buttons::Ok);
  EXPECT_EQ(dialogs.shown[1].message, u"TEXT ではありません.");
}

TEST(VersionDialog, ShownAfreshEachTimeAndDestroyedAfter) {
  testing::MainFormFixture f;
  std::vector<text::u16> productNames;
  f.backend.onShowModal = [&](ui::Form& dialog) {
    auto& box = dynamic_cast<AboutBox&>(dialog);
    productNames.push_back(box.ProductName.text());
    box.ProductName.setText(u"scribbled");  // would show next time if the box were kept
    box.OKButton.click();
    return ui::ModalResult::Ok;
  };
  f.form.N12.click();
  size_t peersAfterFirst = f.backend.log.created.size();
  f.form.N12.click();
  EXPECT_EQ(productNames, (std::vector<text::u16>{u"Surva2023", u"Surva2023"}));
  EXPECT_EQ(f.backend.modalShown, (std::vector<std::string>{"バージョン情報", "バージョン情報"}));
  EXPECT_EQ(f.backend.log.created.size(), 2 * peersAfterFirst);
  EXPECT_EQ(f.backend.log.destroyed.size(), f.backend.log.created.size());
  EXPECT_TRUE(f.fakes.dialogs.shown.empty());
  EXPECT_EQ(f.form.text(), u"Surva2023");  // nothing else happens
}

TEST(VersionDialog, Layout) {
  testing::MainFormFixture f;
  AboutBox box(f.form);
  EXPECT_EQ(box.text(), u"バージョン情報");
  EXPECT_EQ(box.clientWidth(), 227);
  EXPECT_EQ(box.clientHeight(), 164);
  EXPECT_EQ(box.borderStyle(), ui::BorderStyle::Dialog);
  EXPECT_EQ(box.positionMode(), ui::FormPosition::ScreenCenter);
  EXPECT_EQ(box.owner(), &f.form);
  EXPECT_EQ(box.Panel1.bounds(), (ui::Rect{7, 7, 212, 112}));
  EXPECT_EQ(box.Panel1.bevelInner(), ui::Bevel::Raised);
  EXPECT_EQ(box.Panel1.bevelOuter(), ui::Bevel::Lowered);
  EXPECT_EQ(box.ProgramIcon.bounds(), (ui::Rect{14, 17, 40, 38}));
  EXPECT_TRUE(box.ProgramIcon.stretch());
  EXPECT_EQ(box.ProductName.text(), u"Surva2023");
  EXPECT_TRUE(box.ProductName.font().bold);
  EXPECT_EQ(box.ProductName.font().sizePx, 16);
  EXPECT_EQ(box.Version.text(), u"Ver, 2023.8.9");
  EXPECT_EQ(box.Version.bounds().left, 63);
  EXPECT_EQ(box.OKButton.bounds(), (ui::Rect{78, 131, 69, 23}));
  EXPECT_EQ(box.OKButton.text(), u"OK");
  EXPECT_TRUE(box.OKButton.isDefault());
  // Without a backend anywhere the dialog returns at once.
  AppState state;
  MainForm alone(f.fakes.services, state);
  AboutBox quiet(alone);
  EXPECT_EQ(quiet.showModal(), ui::ModalResult::Cancel);
}

}  // namespace
}  // namespace surva::app
