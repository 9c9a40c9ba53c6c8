#pragma once
// Late-bound automation by member name (IDispatch on Windows; the in-process
// stand-ins in tests). Member names match without regard to case.
#include <optional>

#include "platform/variant.h"
#include "text/error.h"

namespace surva::platform {

// An automation call that failed; the message is the server's own text
// (the exception description, or the system's message for the error code).
class AutomationError : public Failure {
 public:
  AutomationError(text::u16 message, std::int32_t code = 0) : Failure(std::move(message)), code_(code) {}
  std::int32_t code() const { return code_; }

 private:
  std::int32_t code_;
};

// The codes of a member an object does not have: a name it does not know
// (DISP_E_UNKNOWNNAME), or a known name it does not answer (DISP_E_MEMBERNOTFOUND).
inline constexpr std::int32_t kUnknownNameCode = static_cast<std::int32_t>(0x80020006);
inline constexpr std::int32_t kMemberNotFoundCode = static_cast<std::int32_t>(0x80020003);
inline bool IsMissingMember(const AutomationError& e) {
  return e.code() == kUnknownNameCode || e.code() == kMemberNotFoundCode;
}

class Object {
 public:
  virtual ~Object() = default;
  // Property read, optionally indexed (Item(0), Normal(1)).
  virtual Variant get(text::u16view member, const VariantArray& args = {}) = 0;
  virtual void put(text::u16view member, const Variant& value) = 0;
  // Method call. By-reference arguments are Variant refs; the callee writes
  // their cells.
  virtual Variant call(text::u16view member, const VariantArray& args = {}) = 0;
  // The name of the object's type as a server shows it in its type
  // information (objects of one type share their member IDs); empty when
  // the object has none.
  virtual text::u16 typeName() { return {}; }
};

// A class identifier as its registry text "{xxxxxxxx-...}".
using ClassId = text::u16;

class Automation {
 public:
  virtual ~Automation() = default;
  // CLSIDFromProgID: nullopt when the ProgID names no registered class.
  virtual std::optional<ClassId> classFromProgId(text::u16view progId) = 0;
  // GetActiveObject: null when no instance is running (or it cannot be reached).
  virtual ObjectPtr activeObject(const ClassId& classId) = 0;
};

}  // namespace surva::platform
