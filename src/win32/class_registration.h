#pragma once
// A ProgID registered for a stand-in server while it runs. On Windows the
// keys go under HKCU\Software\Classes (no administrator needed); under Wine,
// whose class lookup does not read HKCU classes, under HKCR.
#include <optional>

#include "text/u16.h"

namespace surva::win32 {

bool runningUnderWine();

// The class a ProgID is registered for ("{...}"), as class lookup sees it.
std::optional<text::u16> registeredClassOf(text::u16view progId);

class ClassRegistration {
 public:
  // Registers `progId` → `classId` (and the class's ProgID and server path).
  // Refuses, with a message in `error`, when the ProgID already names
  // another class: that is a product installed on this machine.
  static std::optional<ClassRegistration> create(text::u16view progId, text::u16view classId,
                                                 text::u16view serverPath, text::u16& error);
  // Removes what a registration wrote (one left behind by a server that
  // did not end cleanly, too); only when the ProgID names `classId`.
  static void remove(text::u16view progId, text::u16view classId);

  ClassRegistration(ClassRegistration&& other) noexcept;
  ClassRegistration& operator=(ClassRegistration&& other) noexcept;
  ~ClassRegistration();
  // Keeps the keys after this holder ends.
  void keep() { active_ = false; }

 private:
  ClassRegistration(text::u16 progId, text::u16 classId) : progId_(std::move(progId)), classId_(std::move(classId)) {}
  text::u16 progId_;
  text::u16 classId_;
  bool active_ = true;
};

}  // namespace surva::win32
