#pragma once
// Message boxes recorded instead of shown, so a test runs without a user.
#include <vector>

#include "platform/dialogs.h"

namespace surva::e2e {

class RecordingDialogs : public platform::Dialogs {
 public:
  struct Shown {
    text::u16 message;
    platform::Icon icon;
    platform::Buttons buttons;
  };
  platform::Answer messageBox(text::u16view message, text::u16view, platform::Icon icon,
                              platform::Buttons buttons) override {
    shown.push_back({text::u16(message), icon, buttons});
    return platform::Answer::Ok;
  }
  std::optional<text::u16> openFile(const platform::FileDialogRequest&) override { return std::nullopt; }
  std::optional<text::u16> saveFile(const platform::FileDialogRequest&) override { return std::nullopt; }
  std::vector<Shown> shown;
};

}  // namespace surva::e2e
