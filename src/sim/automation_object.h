#pragma once
// What every automation object of the stand-ins does alike: get, put and
// call reach one dispatch that first lets the stand-in log the access and
// apply its scripted faults, matches the member name without regard to
// case, and turns a value that did not convert into the type mismatch
// IDispatch gives.
#include "platform/automation.h"
#include "sim/call_log.h"

namespace surva::sim {

// HRESULTs the stand-ins report.
namespace hr {
constexpr std::int32_t kUnknownName = static_cast<std::int32_t>(0x80020006);
constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x80020005);
constexpr std::int32_t kBadParamCount = static_cast<std::int32_t>(0x8002000E);
constexpr std::int32_t kInvalidArg = static_cast<std::int32_t>(0x80070057);
constexpr std::int32_t kFail = static_cast<std::int32_t>(0x80004005);
}  // namespace hr

class AutomationObject : public platform::Object {
 public:
  explicit AutomationObject(text::u16 objectName) : objectName_(std::move(objectName)) {}

  platform::Variant get(text::u16view member, const platform::VariantArray& args = {}) override;
  void put(text::u16view member, const platform::Variant& value) override;
  platform::Variant call(text::u16view member, const platform::VariantArray& args = {}) override;
  // Objects of one kind share their member IDs, as with a type library.
  text::u16 typeName() override { return objectName_; }

 protected:
  // Logs the access and throws when a scripted fault says it fails.
  virtual void admit(Access access, text::u16view member, const platform::VariantArray& args) = 0;
  // A property read or method call; `upper` is the upper-cased member name.
  virtual platform::Variant invoke(const text::u16& upper, const platform::VariantArray& args) = 0;
  // A property write; the default knows no writable member.
  virtual void assign(const text::u16& upper, const platform::Variant& value);

  const text::u16& objectName() const { return objectName_; }

 private:
  platform::Variant dispatch(Access access, text::u16view member, const platform::VariantArray& args);
  text::u16 objectName_;
};

[[noreturn]] void unknownMember();

}  // namespace surva::sim
