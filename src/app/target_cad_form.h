#pragma once
// The target CAD list dialog: the list of named ProgIDs kept in
// TargetCAD_APIVersion.txt beside the executable. Created once at start and
// hidden between showings, so the list and the fields keep their contents.
#include "app/messages.h"
#include "app/target_cad_list.h"
#include "platform/services.h"
#include "ui/controls.h"

namespace surva::app {

// What OK changes outside the dialog.
struct TargetCadLinks {
  ui::Form& mainWindow;  // its caption names the target
  ui::Edit& nameBox;     // Edit35 of the main window
  ui::Edit& progIdBox;   // Edit36 of the main window
  text::u16& targetProgId;
};

class TTargetCADForm : public ui::Form {
 public:
  TTargetCADForm(platform::Services& services, TargetCadLinks links, ui::Form* owner = nullptr);

  // Shows the dialog modally, loading the list first.
  ui::ModalResult execute();

  ui::ListBox& ListBox1;
  ui::GroupBox& GroupBox1;
  ui::Label& Label1;
  ui::Edit& Edit1;  // name
  ui::Label& Label2;
  ui::Edit& Edit2;  // ProgID
  ui::SpeedButton& SpeedButton1;  // "追加"
  ui::SpeedButton& SpeedButton2;  // "削除"
  ui::SpeedButton& SpeedButton3;  // "変更"
  ui::Button& Button1;  // "OK"
  ui::Button& Button2;  // "取り消し"

  void FormShow();
  void ListBox1Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  // Enter in either field runs "変更" and is swallowed.
  void Edit1KeyPress(ui::KeyCode& key, ui::ShiftState shift);
  void Button1Click();

 private:
  bool buildLayout();
  // The fields and the selection as the user left them, into the list logic.
  void pull();
  // The list logic's state back into the controls.
  void push();
  template <class... Args>
  auto guarded(void (TTargetCADForm::*handler)(Args...)) {
    return [this, handler](Args... args) { runner_.run([&] { (this->*handler)(args...); }); };
  }

  TargetCadLinks links_;
  CommandRunner runner_;
  TargetCadList list_;
};

}  // namespace surva::app
