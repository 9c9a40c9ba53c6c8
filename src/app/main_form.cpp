#include "app/main_form.h"

#include "app/main_form_layout.h"

namespace surva::app {

MainForm::MainForm(platform::Services& services, AppState& state, ui::Backend* backend)
    : ui::Form(u"Form1", backend),
      services_(services),
      state_(state),
      runner_(services.dialogs),
      layoutBuilt_(buildLayout())
#define X(Type, Name) , Name(get<ui::Type>(u"" #Name))
#include "app/main_form_controls.h"
#undef X
      ,
      history_({&StringGrid1, &StringGrid2, &StringGrid3, &StringGrid4},
               {&CheckBox12, &CheckBox13, &CheckBox14, &CheckBox15}, &GroupBox2) {
  bindEvents();
  bindUndo();
}

MainForm::~MainForm() = default;

bool MainForm::buildLayout() {
  setText(kMainFormDesignCaption);
  setBounds({0, 0, kMainClientWidth, kMainClientHeight});
  setBorderStyle(ui::BorderStyle::Single);
  setBorderIcons({.systemMenu = true, .minimize = true, .maximize = false});
  setStayOnTop(true);
  setFont({.name = kUiFontName, .sizePx = kUiFontSize});
  ui::buildForm(*this, mainFormLayout());
  return true;
}

void MainForm::processMessages() {
  runner_.dispatchOutside([this] { ui::Form::processMessages(); });
}

void MainForm::bindEvents() {
  onClose = guarded(&MainForm::FormClose);
  // A dropped file replaces a list like the command it stands for: one undo step.
  onDropFiles = [this](const std::vector<text::u16>& paths) {
    history_.nameNextStep(u"ファイルのドロップ");
    runCommand([&] { FormDropFiles(paths); });
  };

  // Main tab.
  CheckBox8.onClick = guarded(&MainForm::CheckBox8Click);
  UpDown1.onClick = guarded(&MainForm::UpDown1Click);
  UpDown2.onClick = guarded(&MainForm::UpDown2Click);
  UpDown3.onClick = guarded(&MainForm::UpDown3Click);
  UpDown4.onClick = guarded(&MainForm::UpDown4Click);
  UpDown5.onClick = guarded(&MainForm::UpDown5Click);
  for (ui::CheckBox* c : {&CheckBox1, &CheckBox2, &CheckBox6, &CheckBox3, &CheckBox27})
    c->onClick = guarded(&MainForm::CheckBox1Click);
  CheckBox21.onClick = guarded(&MainForm::CheckBox21Click);
  CheckBox4.onClick = guarded(&MainForm::CheckBox4Click);
  CheckBox11.onMouseDown = guarded(&MainForm::CheckBox11MouseDown);
  Button1.onClick = guarded(&MainForm::Button1Click);
  Button2.onClick = [this] { runCommand([this] { Button2Click(Button2); }); };
  Button13.onClick = [this] { runCommand([this] { Button2Click(Button13); }); };
  Button4.onClick = guarded(&MainForm::Button4Click);
  Button5.onClick = guarded(&MainForm::Button5Click);
  Button3.onClick = [this] { runCommand([this] { Button3Click(Button3); }); };
  Button8.onClick = [this] { runCommand([this] { Button3Click(Button8); }); };
  Button12.onClick = guarded(&MainForm::Button12Click);
  Button12.onMouseDown = guarded(&MainForm::CheckBox11MouseDown);
  Edit31.onChange = guarded(&MainForm::Edit31Change);
  SpeedButton3.onClick = guarded(&MainForm::SpeedButton3Click);
  StringGrid1.onClick = guarded(&MainForm::StringGrid1Click);
  StringGrid1.onDrawCell = guarded(&MainForm::StringGrid1DrawCell);
  StringGrid1.onKeyDown = guarded(&MainForm::StringGrid1KeyDown);
  N1.onClick = guarded(&MainForm::N1Click);
  N2.onClick = guarded(&MainForm::N2Click);
  N4.onClick = guarded(&MainForm::N4Click);
  N5.onClick = guarded(&MainForm::N5Click);
  N8.onClick = guarded(&MainForm::N8Click);
  N7.onClick = guarded(&MainForm::N7Click);
  N17.onClick = guarded(&MainForm::N17Click);
  N10.onClick = guarded(&MainForm::N10Click);
  N15.onClick = guarded(&MainForm::N15Click);
  N13.onClick = guarded(&MainForm::N13Click);
  N12.onClick = guarded(&MainForm::N12Click);
  N32.onClick = guarded(&MainForm::N32Click);
  N33.onClick = guarded(&MainForm::N33Click);

  // CAD settings tab.
  SpeedButton5.onClick = guarded(&MainForm::SpeedButton5Click);

  // Harvest and point-picking settings tab.
  SpeedButton2.onClick = guarded(&MainForm::SpeedButton2Click);
  CheckBox16.onClick = guarded(&MainForm::CheckBox16Click);
  SpeedButton4.onClick = guarded(&MainForm::SpeedButton4Click);

  // TEXT tab.
  Button6.onClick = guarded(&MainForm::Button6Click);
  Button7.onClick = guarded(&MainForm::Button7Click);
  SpeedButton1.onClick = guarded(&MainForm::SpeedButton1Click);
  StringGrid2.onClick = guarded(&MainForm::StringGrid2Click);
  StringGrid2.onDrawCell = guarded(&MainForm::StringGrid2DrawCell);
  StringGrid2.onFixedCellClick = guarded(&MainForm::StringGrid2FixedCellClick);
  StringGrid2.onKeyDown = guarded(&MainForm::StringGrid2KeyDown);

  // SIMA tabs.
  Button9.onClick = guarded(&MainForm::Button9Click);
  CheckBox13.onClick = guarded(&MainForm::CheckBox13Click);
  CheckBox12.onClick = guarded(&MainForm::CheckBox13Click);
  StringGrid3.onDrawCell = guarded(&MainForm::StringGrid3DrawCell);
  StringGrid3.onKeyDown = guarded(&MainForm::StringGrid3KeyDown);
  Button10.onClick = guarded(&MainForm::Button10Click);
  CheckBox14.onClick = guarded(&MainForm::CheckBox14Click);
  CheckBox15.onClick = guarded(&MainForm::CheckBox14Click);
  Button11.onClick = guarded(&MainForm::Button11Click);
  StringGrid4.onDrawCell = guarded(&MainForm::StringGrid4DrawCell);
  StringGrid4.onKeyDown = guarded(&MainForm::StringGrid4KeyDown);
}

}  // namespace surva::app
