#pragma once
// The peer of a form: a top-level window (class "T" + the form's name, so
// the main window is "TForm1"), its tool-tips and its modal loop.
#include "win32/backend.h"

namespace surva::win32 {

class FormPeer : public WindowPeer {
 public:
  FormPeer(Win32Backend& backend, ui::Form& form);
  ~FormPeer() override;

  ui::Form& form() const { return form_; }
  UINT formDpi() const { return dpi_; }
  HWND tooltip();
  int nextControlId() { return nextId_++; }

  // Places and sizes the window for its client size at the current DPI.
  void place(bool initial);
  void showWindow();
  void hideWindow();
  bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;
  void rescale() override;

  // The window styles of a form, also before its window exists.
  static DWORD styleOf(const ui::Form& form);
  static DWORD exStyleOf(const ui::Form& form);

 protected:
  void onProperty(ui::Property what) override;
  void applyBounds() override;
  bool shown() const override { return false; }  // show() and showModal() decide

 private:
  void fitClient();
  DWORD style() const;
  DWORD exStyle() const;
  void rescaleTree(ui::Control& c);
  ui::Button* defaultButton() const;

  ui::Form& form_;
  UINT dpi_ = 96;
  HWND tooltip_ = nullptr;
  int nextId_ = 100;
  bool placing_ = false;
};

}  // namespace surva::win32
