#pragma once
// The main window: its controls are its members, named as on the form, and
// its methods are the event handlers. The handlers are filled by area, one
// file each (handlers_*.cpp); a handler stays a few lines that call the
// domain code of its area.
//
// Every handler bound to an event runs inside the general error report
// (app/messages.h): an error that escapes it ends the command and is shown
// in a message box, and the program goes on.
//
// Lifecycle, as the program entry uses it:
//   MainForm form(services, state, &backend);  // controls at design values
//   form.startUp();   // FormCreate inside the error report: settings, caption
//   form.show();      // peers are created here, from the state after start-up
//   ... event loop ...; the user closing the window, or the end of the
//   session, runs FormClose (shutdown) once
// Tests construct it without a backend (or with a recording one) and call
// the handlers or the controls' input methods directly.
#include <optional>

#include "app/app_state.h"
#include "app/messages.h"
#include "app/undo_history.h"
#include "platform/services.h"
#include "sheet/sheet_columns.h"
#include "ui/controls.h"

namespace surva::app {

class MainForm : public ui::Form {
 public:
  MainForm(platform::Services& services, AppState& state, ui::Backend* backend = nullptr);
  ~MainForm() override;

  platform::Services& services() { return services_; }
  AppState& state() { return state_; }
  // FormCreate inside the general error report. The lists it sets up are
  // where undo starts.
  void startUp() {
    runCommand([this] { FormCreate(); });
    history_.clear();
  }
  // Runs a command inside the general error report, as one undo step.
  void runCommand(const std::function<void()>& command) {
    UndoHistory::Scope step(history_);
    runner_.run(command);
  }
  UndoHistory& history() { return history_; }
  // Lets window messages through in the middle of a command (progress).
  void processMessages();

 private:
  platform::Services& services_;
  AppState& state_;
  CommandRunner runner_;
  bool layoutBuilt_;  // set up before the control members bind to the layout
  // Why the settings file could not be read at start; it is then not written
  // at exit, so the defaults in the controls never replace the user's file.
  std::optional<text::u16> settingsUnread_;
  bool shutDown_ = false;  // FormClose ran: a close after the end of the session does nothing

 public:
  // ---- The controls.
#define X(Type, Name) ui::Type& Name;
#include "app/main_form_controls.h"
#undef X

  // ---- The window's own rules (main_form_rules.cpp).
  void CheckBox8Click();   // Z-column rule
  void CheckBox21Click();  // polyline-options rule
  void CheckBox4Click();   // coordinate-label rule
  void CheckBox16Click();  // caption of Button12
  // A mouse button went down over Button12 or CheckBox11.
  void CheckBox11MouseDown(ui::MouseButton button, int x, int y);
  void N12Click();  // the version dialog

  // ---- Undo and redo of the lists (handlers_undo.cpp).
  void NUndoClick();
  void NRedoClick();
  // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in a grid; true when the key was one of
  // them (it is then consumed). Other keys name the step they make.
  bool undoKeys(ui::StringGrid& grid, ui::KeyCode& key, ui::ShiftState shift);
  // Rules 1 to 4 once more, for start-up after the settings are read.
  void applyWindowRules();

  // ---- Start-up and shutdown (handlers_settings.cpp).
  void FormCreate();
  void FormClose();
  void SpeedButton5Click();

  // ---- Plotting, coordinate table, plot range (handlers_plot.cpp).
  // Sender: Button2 or Button13 ("CADへ (Z=0)"); Button3 or Button8 ("YX 作表").
  void Button2Click(const ui::Control& sender);
  void Button3Click(const ui::Control& sender);
  void Edit31Change();
  void StringGrid1DrawCell(int col, int row, const ui::CellState& state, ui::CellStyle& style);

  // ---- List editing and grid keys (handlers_list.cpp).
  void N1Click();
  void N2Click();
  void N4Click();
  void N5Click();
  void N7Click();
  void N8Click();
  void N10Click();
  void N13Click();
  void N15Click();
  void StringGrid1KeyDown(ui::KeyCode& key, ui::ShiftState shift);
  void StringGrid2KeyDown(ui::KeyCode& key, ui::ShiftState shift);
  void StringGrid3KeyDown(ui::KeyCode& key, ui::ShiftState shift);
  void StringGrid4KeyDown(ui::KeyCode& key, ui::ShiftState shift);
  void StringGrid3DrawCell(int col, int row, const ui::CellState& state, ui::CellStyle& style);
  void StringGrid4DrawCell(int col, int row, const ui::CellState& state, ui::CellStyle& style);

  // ---- CAD: harvest, TEXT list, point picking, panning (handlers_cad.cpp).
  void Button4Click();
  void Button12Click();
  void Button6Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void StringGrid1Click();
  void StringGrid2Click();
  void StringGrid2DrawCell(int col, int row, const ui::CellState& state, ui::CellStyle& style);
  void StringGrid2FixedCellClick(int col, int row);
  void N17Click();
  void CheckBox1Click();
  // The main list and the TEXT list rebuilt from the harvest store
  // (handlers_harvest.cpp).
  void EntToSL();
  void EntToSL2();

  // ---- Spreadsheet link (handlers_sheet.cpp).
  // The last attachment to the running spreadsheet; EXcelHandle is 0 while
  // not attached. The objects are released at shutdown.
  platform::WindowHandle EXcelHandle = 0;
  platform::ObjectPtr MSExcel;
  platform::ObjectPtr WorkBook;
  platform::ObjectPtr WorkSheet;
  // The worksheet columns and start row the group "Excel" chooses; point
  // files use them too.
  sheet::SheetColumns sheetColumns() const;
  // What ends a read into the main list from the worksheet or a point file:
  // PLOT No. renumbered, "リスト表示" disabled (the list no longer comes
  // from a harvest), the harvest summary emptied.
  void listReadEnded();
  void Button1Click();
  void Button5Click();
  void Button7Click();
  void UpDown1Click(ui::UpDownButton button);
  void UpDown2Click(ui::UpDownButton button);
  void UpDown3Click(ui::UpDownButton button);
  void UpDown4Click(ui::UpDownButton button);
  void UpDown5Click(ui::UpDownButton button);

  // ---- SIMA files (handlers_sima.cpp).
  void Button9Click();
  // "読み込み" without its dialog.
  void readSimaFile(text::u16view path);
  void CheckBox13Click();
  void Button10Click();
  void CheckBox14Click();
  void Button11Click();

  // ---- Point files and files dropped on the window (handlers_point_file.cpp).
  void N32Click();  // "点ファイルを開く..."
  void N33Click();  // "点ファイルに保存..."
  // A point file read into the main list as the worksheet read fills it.
  void readPointFile(text::u16view path);
  // One .sim file reads as "読み込み", one point file as "点ファイルを開く...";
  // anything else is refused with a message and changes nothing.
  void FormDropFiles(const std::vector<text::u16>& paths);
  static constexpr char16_t kDropOneFile[] =
      u"ウィンドウにドロップできるのは，SIMA ファイル (*.sim) または点ファイル (*.csv, *.tsv, *.txt) 1 つだけです．";

  // File dialogs of the SIMA tabs.
  static constexpr char16_t kOpenTextFileDialog1Filter[] = u"*.sim|*.sim|*.*|*.*";
  static constexpr char16_t kSaveTextFileDialog1Filter[] = u"*.sim|*.sim";

 private:
  bool buildLayout();
  void bindEvents();
  // The undo menu items, and the captions that name each command's step.
  void bindUndo();
  void showReplayed(const std::optional<text::u16>& label, text::u16view done);
  // The SIMA write list from the main list; false when it could not be built.
  bool buildSimaWriteList();
  // Wraps a handler so that its errors reach the general error report.
  template <class... Args>
  auto guarded(void (MainForm::*handler)(Args...)) {
    return [this, handler](Args... args) {
      UndoHistory::Scope step(history_);
      runner_.run([&] { (this->*handler)(args...); });
    };
  }
  UndoHistory history_;
};

}  // namespace surva::app
