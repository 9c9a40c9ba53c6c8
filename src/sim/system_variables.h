#pragma once
// System variables of the stand-in drawing, by name without regard to case.
#include <map>
#include <optional>

#include "platform/variant.h"
#include "sim/vec3.h"

namespace surva::sim {

class SystemVariables {
 public:
  // DIMSCALE 1, VIEWSIZE 100, SNAPMODE 0, UCS = world, LASTPOINT and VIEWCTR at the origin, CLAYER "0",
  // APERTURE 10 (pixels of a view 1000 pixels high).
  SystemVariables();

  // nullopt for a name the CAD does not know.
  std::optional<platform::Variant> get(text::u16view name) const;
  // As SetVariable: checks the type and refuses read-only variables
  // (throws platform::AutomationError).
  void set(text::u16view name, const platform::Variant& value);
  // Any value, no checks: for tests and the CAD itself.
  void setRaw(text::u16view name, platform::Variant value);

  Vec3 point(text::u16view name) const;
  void setPoint(text::u16view name, Vec3 p) { setRaw(name, platform::Variant::point(p.x, p.y, p.z)); }
  double number(text::u16view name) const;

  // A CAD that takes a 32-bit SNAPMODE only to switch snap off and wants
  // any other value as a 16-bit integer (to exercise the program's second
  // attempt when it restores the snap mode).
  bool snapModeRefusesInt32 = false;

 private:
  std::map<text::u16, platform::Variant> values_;  // keys upper-cased
};

}  // namespace surva::sim
