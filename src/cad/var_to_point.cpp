#include "cad/var_to_point.h"

#include "text/error.h"

namespace surva::cad {

points::TAcadPoint VarToAcadPoint(const platform::Variant& v) {
  platform::VariantArray a = v.toArray();
  if (a.size() < 3) throw Failure(u"座標の配列の要素が足りません");
  return {a[0].toDouble(), a[1].toDouble(), a[2].toDouble()};
}

}  // namespace surva::cad
