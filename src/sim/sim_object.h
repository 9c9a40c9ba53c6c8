#pragma once
// Base of the stand-in's automation objects: logs every access, applies the
// CAD's scripted failures, matches member names without regard to case and
// turns argument mistakes into the errors IDispatch gives.
#include <memory>

#include "platform/automation.h"
#include "sim/cad.h"

namespace surva::sim {

// HRESULTs the stand-in reports.
namespace hr {
constexpr std::int32_t kUnknownName = static_cast<std::int32_t>(0x80020006);
constexpr std::int32_t kTypeMismatch = static_cast<std::int32_t>(0x80020005);
constexpr std::int32_t kBadParamCount = static_cast<std::int32_t>(0x8002000E);
constexpr std::int32_t kInvalidArg = static_cast<std::int32_t>(0x80070057);
constexpr std::int32_t kFail = static_cast<std::int32_t>(0x80004005);
}  // namespace hr

class SimObject : public platform::Object, public std::enable_shared_from_this<SimObject> {
 public:
  SimObject(std::shared_ptr<Cad> cad, text::u16 objectName) : cad_(std::move(cad)), objectName_(std::move(objectName)) {}

  platform::Variant get(text::u16view member, const platform::VariantArray& args = {}) override;
  void put(text::u16view member, const platform::Variant& value) override;
  platform::Variant call(text::u16view member, const platform::VariantArray& args = {}) override;
  text::u16 typeName() override { return objectName_; }

 protected:
  // A property read or method call; `upper` is the upper-cased member name.
  virtual platform::Variant invoke(const text::u16& upper, const platform::VariantArray& args) = 0;
  // A property write; the default knows no writable member.
  virtual void assign(const text::u16& upper, const platform::Variant& value);

  Cad& cad() { return *cad_; }
  const std::shared_ptr<Cad>& cadPtr() { return cad_; }

 private:
  platform::Variant dispatch(Access access, text::u16view member, const platform::VariantArray& args);
  std::shared_ptr<Cad> cad_;
  text::u16 objectName_;
};

[[noreturn]] void unknownMember();
[[noreturn]] void invalidArgument(text::u16 message = u"パラメーターが間違っています。");
// Argument i (looking through a by-reference cell); throws for a missing one.
const platform::Variant& arg(const platform::VariantArray& args, std::size_t i);
// Argument i or empty when not given.
const platform::Variant& optionalArg(const platform::VariantArray& args, std::size_t i);
// A point argument: an array of two or three numbers.
Vec3 pointArg(const platform::Variant& v);
inline platform::Variant pointValue(Vec3 p) { return platform::Variant::point(p.x, p.y, p.z); }
// An index argument 0 .. count-1.
std::size_t indexArg(const platform::Variant& v, std::size_t count);

}  // namespace surva::sim
