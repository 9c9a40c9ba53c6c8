#pragma once
// A top-level window: it owns its controls, finds them by name, and is
// shown modelessly or modally through its backend.
#include <memory>
#include <stdexcept>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ui/control.h"

namespace surva::ui {

enum class BorderStyle { Sizeable, Single, Dialog };
enum class WindowState { Normal, Minimized };
enum class FormPosition { Designed, ScreenCenter, OwnerCenter };

struct BorderIcons {
  bool systemMenu = true;
  bool minimize = true;
  bool maximize = true;
  bool operator==(const BorderIcons&) const = default;
};

class Form : public Control {
 public:
  // `owner` gives its backend to a form that has none of its own (dialogs).
  explicit Form(text::u16 name, Backend* backend = nullptr, Form* owner = nullptr);
  ~Form() override;

  // Controls are created by the form, parents before children, and
  // destroyed in reverse order. A null parent means the form itself.
  template <class T>
  T& create(text::u16 name, Control* parent = nullptr) {
    auto owned = std::make_unique<T>(std::move(name));
    T& c = *owned;
    c.setParent(parent ? parent : this);
    controls_.push_back(std::move(owned));
    byName_.emplace(c.name(), &c);  // the first of a name is the one found
    if (peersAttached_) attachPeer(c);
    return c;
  }
  // Every control of the form, in creation order (the form not included).
  std::vector<Control*> controls() const;
  Control* find(text::u16view name) const;
  // The named control as its type; std::logic_error when it is missing or
  // of another kind (a layout and its form class disagree).
  template <class T>
  T& get(text::u16view name) const {
    T* c = dynamic_cast<T*>(find(name));
    if (!c) throw std::logic_error("form " + text::toUtf8(this->name()) + " has no control " + text::toUtf8(name));
    return *c;
  }

  // The caption is Control::text().
  // bounds(): left/top of the window on the screen in screen pixels,
  // width/height of its client area in layout pixels (96 DPI).
  int clientWidth() const { return bounds().width; }
  int clientHeight() const { return bounds().height; }
  // Outer size: client plus the frame (caption and borders). The backend
  // reports the real frame; the default fits a single border with caption.
  int outerWidth() const { return clientWidth() + frameWidth_; }
  int outerHeight() const { return clientHeight() + frameHeight_; }
  void setFrameSize(int extraWidth, int extraHeight);
  // The outer size in screen pixels on the primary monitor, from the
  // backend (Backend::outerSizeOnPrimary).
  void outerSizeOnPrimary(int& width, int& height) const;
  void moveTo(int left, int top);

  BorderStyle borderStyle() const { return borderStyle_; }
  void setBorderStyle(BorderStyle s) { borderStyle_ = s; }
  const BorderIcons& borderIcons() const { return borderIcons_; }
  void setBorderIcons(BorderIcons b) { borderIcons_ = b; }
  bool stayOnTop() const { return stayOnTop_; }
  void setStayOnTop(bool on) { stayOnTop_ = on; }
  FormPosition positionMode() const { return positionMode_; }
  void setPositionMode(FormPosition p) { positionMode_ = p; }

  WindowState windowState() const { return windowState_; }
  void setWindowState(WindowState s);
  // Brings the window to the foreground (after CAD had the screen).
  void bringToFront() { notify(Property::Foreground); }

  Backend* backend() const;
  Form* owner() const { return owner_; }
  // Creates the peers of every control that has none yet (no-op without a
  // backend). show and showModal call it.
  void attachPeers();
  bool peersAttached() const { return peersAttached_; }

  void show();
  // Runs modally until the modal result is set; returns it.
  ModalResult showModal();
  ModalResult modalResult() const { return modalResult_; }
  void setModalResult(ModalResult r);
  // The user asked to close (title bar, Alt+F4): raises onClose; a modal
  // form ends with Cancel.
  void requestClose();
  Handler onClose;
  // Files were dropped on the window (paths in the order the shell gives
  // them). A form accepts dropped files only while this is set when its
  // window is made.
  std::function<void(const std::vector<text::u16>&)> onDropFiles;
  void dropFiles(const std::vector<text::u16>& paths) {
    if (onDropFiles) onDropFiles(paths);
  }

  // The user's session ends (log off, shut down): the main form closes as
  // if asked, so its shutdown runs before the system ends the program.
  // Owned forms leave it to their owner.
  void endSession();

  void processMessages();

 private:
  void attachPeer(Control& c);

  Backend* backend_;
  Form* owner_;
  std::vector<std::unique_ptr<Control>> controls_;
  // Hashed: start-up and shutdown look up every setting's control by name.
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(text::u16view s) const { return std::hash<text::u16view>{}(s); }
  };
  std::unordered_map<text::u16, Control*, NameHash, std::equal_to<>> byName_;
  bool peersAttached_ = false;
  int frameWidth_ = 16;
  int frameHeight_ = 39;
  BorderStyle borderStyle_ = BorderStyle::Sizeable;
  BorderIcons borderIcons_;
  bool stayOnTop_ = false;
  FormPosition positionMode_ = FormPosition::Designed;
  WindowState windowState_ = WindowState::Normal;
  ModalResult modalResult_ = ModalResult::None;
  bool modal_ = false;
};

// What showModal does for a form with no backend (tests): the hook decides
// the result, e.g. pressing a button of the dialog. Without a hook it
// returns Cancel at once.
using ModalHook = std::function<ModalResult(Form&)>;
void setModalHook(ModalHook hook);

}  // namespace surva::ui
