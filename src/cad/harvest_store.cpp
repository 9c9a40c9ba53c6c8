#include "cad/harvest_store.h"

namespace surva::cad {

namespace {
template <class T>
void emptyUnlessKept(std::vector<T>& array, std::uint16_t kept, HarvestArray flag) {
  // swap releases the memory: a store of 100,000 entities should not stay
  // allocated once cleared.
  if (!(kept & static_cast<std::uint16_t>(flag))) std::vector<T>().swap(array);
}
}  // namespace

void HarvestStore::clearExcept(std::uint16_t kept) {
  emptyUnlessKept(lines, kept, HarvestArray::Lines);
  emptyUnlessKept(circles, kept, HarvestArray::Circles);
  emptyUnlessKept(ellipses, kept, HarvestArray::Ellipses);
  emptyUnlessKept(arcs, kept, HarvestArray::Arcs);
  emptyUnlessKept(polylines, kept, HarvestArray::Polylines);
  emptyUnlessKept(vertices, kept, HarvestArray::Vertices);
  emptyUnlessKept(faces, kept, HarvestArray::Faces);
  emptyUnlessKept(inserts, kept, HarvestArray::Inserts);
  emptyUnlessKept(points, kept, HarvestArray::Points);
  emptyUnlessKept(texts, kept, HarvestArray::Texts);
}

}  // namespace surva::cad
