#include "ui/form.h"

namespace surva::ui {

namespace {
ModalHook& modalHook() {
  static ModalHook hook;
  return hook;
}
}  // namespace

void setModalHook(ModalHook hook) { modalHook() = std::move(hook); }

Form::Form(text::u16 name, Backend* backend, Form* owner)
    : Control(Kind::Form, std::move(name)), backend_(backend), owner_(owner) {
  setVisible(false);
}

Form::~Form() {
  // Children before parents, so a peer never outlives the window it sits in.
  byName_.clear();
  while (!controls_.empty()) controls_.pop_back();
  setPeer(nullptr);
}

std::vector<Control*> Form::controls() const {
  std::vector<Control*> out;
  out.reserve(controls_.size());
  for (const auto& c : controls_) out.push_back(c.get());
  return out;
}

Control* Form::find(text::u16view name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

void Form::setFrameSize(int extraWidth, int extraHeight) {
  frameWidth_ = extraWidth;
  frameHeight_ = extraHeight;
}

void Backend::outerSizeOnPrimary(const Form& form, int& width, int& height) {
  width = form.outerWidth();
  height = form.outerHeight();
}

void Form::outerSizeOnPrimary(int& width, int& height) const {
  width = outerWidth();
  height = outerHeight();
  if (Backend* b = backend()) b->outerSizeOnPrimary(*this, width, height);
}

void Form::moveTo(int left, int top) {
  Rect r = bounds();
  r.left = left;
  r.top = top;
  setBounds(r);
}

void Form::setWindowState(WindowState s) {
  if (s == windowState_) return;
  windowState_ = s;
  notify(Property::WindowState);
}

Backend* Form::backend() const {
  for (const Form* f = this; f; f = f->owner_)
    if (f->backend_) return f->backend_;
  return nullptr;
}

void Form::attachPeer(Control& c) {
  if (!c.peer()) c.setPeer(backend()->createPeer(c));
}

void Form::attachPeers() {
  if (peersAttached_ || !backend()) return;
  peersAttached_ = true;
  attachPeer(*this);
  for (const auto& c : controls_) attachPeer(*c);
}

void Form::show() {
  attachPeers();
  setVisible(true);
  if (Backend* b = backend()) b->show(*this);
}

ModalResult Form::showModal() {
  modalResult_ = ModalResult::None;
  modal_ = true;
  setVisible(true);
  ModalResult r = ModalResult::Cancel;
  if (Backend* b = backend()) {
    attachPeers();
    r = b->showModal(*this);
  } else if (modalHook()) {
    r = modalHook()(*this);
  }
  // A hook or backend that set a result through a button wins over its return.
  if (modalResult_ != ModalResult::None) r = modalResult_;
  modal_ = false;
  setVisible(false);
  modalResult_ = r;
  return r;
}

void Form::setModalResult(ModalResult r) {
  modalResult_ = r;
  notify(Property::ModalResult);
}

void Form::requestClose() {
  if (onClose) onClose();
  if (modal_) {
    if (modalResult_ == ModalResult::None) setModalResult(ModalResult::Cancel);
  } else {
    setVisible(false);
  }
}

void Form::endSession() {
  if (!owner_) requestClose();
}

void Form::processMessages() {
  if (Backend* b = backend()) b->processMessages();
}

}  // namespace surva::ui
