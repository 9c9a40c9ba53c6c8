#pragma once
// The Windows backend of the control model: one real window per control,
// kept in step with the model; user input becomes calls of the controls'
// input methods (see ui/peer.h for the contract).
#include <windows.h>

#include <map>
#include <memory>
#include <tuple>

#include "ui/controls.h"

namespace surva::win32 {

class Win32Backend;
class FormPeer;

// The peer of one control: owns its window.
class WindowPeer : public ui::ControlPeer {
 public:
  WindowPeer(Win32Backend& backend, ui::Control& control);
  ~WindowPeer() override;
  WindowPeer(const WindowPeer&) = delete;
  WindowPeer& operator=(const WindowPeer&) = delete;

  HWND hwnd() const { return hwnd_; }
  ui::Control& control() const { return control_; }
  Win32Backend& backend() const { return backend_; }

  void propertyChanged(ui::Property what) override;

  // Notifications from the window's parent about this window.
  virtual void command(WORD /*code*/) {}
  virtual LRESULT notify(NMHDR* /*header*/) { return 0; }
  // Colours of a static or edit window: a brush, or null for the default.
  virtual HBRUSH ctlColor(HDC dc, UINT message);
  // Messages to the window itself, before its own procedure; true when
  // handled (with `result`).
  virtual bool handle(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  // The DPI the window is drawn at (its form's).
  UINT dpi() const;
  int px(int logical) const;
  // Re-applies bounds and font (the DPI changed).
  virtual void rescale();
  void applyEnabled();
  void applyVisible();

  static WindowPeer* of(HWND w);

 protected:
  // Adopts a created window: links it to this peer, subclasses it, sets
  // font, state and hint.
  void attach(HWND w);
  virtual void onProperty(ui::Property /*what*/) {}
  virtual bool shown() const { return control_.visible(); }
  virtual void applyBounds();
  void applyFont();
  // The window children of this control are created in.
  HWND parentWindow() const;
  // Style bits every child window takes.
  DWORD childStyle() const;
  int nextId();
  bool applying_ = false;  // a change we make ourselves: skip its echo

 private:
  static LRESULT CALLBACK subclassProc(HWND w, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
  void applyHint();

  Win32Backend& backend_;
  ui::Control& control_;
  HWND hwnd_ = nullptr;
  bool hasTool_ = false;
};

class Win32Backend : public ui::Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;

  std::unique_ptr<ui::ControlPeer> createPeer(ui::Control& control) override;
  ui::ModalResult showModal(ui::Form& form) override;
  void show(ui::Form& form) override;
  void processMessages() override;
  void outerSizeOnPrimary(const ui::Form& form, int& width, int& height) override;

  // The message loop of the program; returns when the main window closes.
  int run();

  HINSTANCE instance() const { return instance_; }
  HFONT font(const ui::Font& f, UINT dpi);
  HICON programIcon(int size);
  // The peer of a control as a window peer (null when it has none).
  static WindowPeer* peerOf(const ui::Control* c);
  FormPeer* formPeer(const ui::Control& c);
  // Called by a form peer when its form is hidden.
  void formHidden(ui::Form& form);

 private:
  void registerClasses();

  HINSTANCE instance_;
  ui::Form* main_ = nullptr;
  std::map<std::tuple<std::u16string, int, bool, UINT>, HFONT> fonts_;
  std::map<int, HICON> icons_;
};

}  // namespace surva::win32
