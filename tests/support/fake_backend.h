#pragma once
// A backend without windows: it records the peers it creates, what they
// were told, and the forms it showed; showModal answers from a script.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/form.h"

namespace surva::fakes {

class FakeBackend : public ui::Backend {
 public:
  struct Log {
    std::vector<std::string> created;    // control names, in creation order
    std::vector<std::string> destroyed;  // control names, in destruction order
    std::vector<std::pair<std::string, ui::Property>> changes;
  };

  class Peer : public ui::ControlPeer {
   public:
    Peer(ui::Control& c, Log& log) : name_(text::toUtf8(c.name())), log_(log) {}
    ~Peer() override { log_.destroyed.push_back(name_); }
    void propertyChanged(ui::Property p) override { log_.changes.emplace_back(name_, p); }

   private:
    std::string name_;
    Log& log_;
  };

  std::unique_ptr<ui::ControlPeer> createPeer(ui::Control& c) override {
    log.created.push_back(text::toUtf8(c.name()));
    return std::make_unique<Peer>(c, log);
  }
  ui::ModalResult showModal(ui::Form& form) override {
    modalShown.push_back(text::toUtf8(form.text()));
    if (onShowModal) return onShowModal(form);
    return ui::ModalResult::Cancel;
  }
  void show(ui::Form& form) override { shown.push_back(text::toUtf8(form.text())); }
  // A primary monitor at `dpi`: the form's outer size scaled.
  void outerSizeOnPrimary(const ui::Form& form, int& width, int& height) override {
    width = (form.outerWidth() * dpi + 48) / 96;
    height = (form.outerHeight() * dpi + 48) / 96;
  }
  void processMessages() override {
    ++pumps;
    if (onProcessMessages) onProcessMessages();
  }

  int changesOf(const std::string& name, ui::Property p) const {
    int n = 0;
    for (const auto& c : log.changes) n += c.first == name && c.second == p;
    return n;
  }

  Log log;
  std::vector<std::string> modalShown;  // captions
  std::vector<std::string> shown;
  int pumps = 0;
  int dpi = 96;
  std::function<ui::ModalResult(ui::Form&)> onShowModal;
  std::function<void()> onProcessMessages;
};

}  // namespace surva::fakes
