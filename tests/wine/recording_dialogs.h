#pragma once
// Message boxes recorded instead of shown, so a test runs without a user.
#include <vector>

#include "platform/dialogs.h"

namespace e2e {

class RecordingDialogs : public surva::platform::Dialogs {
 public:
  struct Shown {
    surva::text::u16 message;
    surva::platform::Icon icon;
    surva::platform::Buttons buttons;
  };
  surva::platform::Answer messageBox(surva::text::u16view message, surva::text::u16view,
                                     surva::platform::Icon icon, surva::platform::Buttons buttons) override {
    shown.push_back({surva::text::u16(message), icon, buttons});
    return surva::platform::Answer::Ok;
  }
  std::optional<surva::text::u16> openFile(const surva::platform::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::optional<surva::text::u16> saveFile(const surva::platform::FileDialogRequest&) override {
    return std::nullopt;
  }
  std::vector<Shown> shown;
};

}  // namespace e2e
