#pragma once
// Base of the stand-in CAD's automation objects: logs every access and
// applies the CAD's scripted failures; argument helpers that give the
// errors IDispatch gives.
#include <memory>

#include "sim/automation_object.h"
#include "sim/cad.h"

namespace surva::sim {

class SimObject : public AutomationObject, public std::enable_shared_from_this<SimObject> {
 public:
  SimObject(std::shared_ptr<Cad> cad, text::u16 objectName) : AutomationObject(std::move(objectName)), cad_(std::move(cad)) {}

 protected:
  void admit(Access access, text::u16view member, const platform::VariantArray& args) override;

  Cad& cad() { return *cad_; }
  const std::shared_ptr<Cad>& cadPtr() { return cad_; }

 private:
  std::shared_ptr<Cad> cad_;
};
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
