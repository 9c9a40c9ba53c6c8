#include "cad/dimscale_factor.h"

namespace surva::cad {

double DimscaleFactor(platform::Object& document, bool useDimscale) {
  if (!useDimscale) return 1;
  double f = document.call(u"GetVariable", {platform::Variant(u"DIMSCALE")}).toDouble();
  return f == 0 ? 1 : f;
}

}  // namespace surva::cad
