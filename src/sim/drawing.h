#pragma once
// The stand-in drawing database: layers, entities with handles, system
// variables and named selection sets.
#include <map>
#include <memory>
#include <vector>

#include "sim/entity.h"
#include "sim/system_variables.h"

namespace surva::sim {

struct Layer {
  text::u16 name;
  int color = 7;
};

struct SelectionSetData {
  text::u16 name;
  std::vector<text::u16> handles;  // in selection order
  bool deleted = false;
};

class Drawing {
 public:
  Drawing();  // layer "0" only

  const std::vector<Layer>& layers() const { return layers_; }
  // Layer names match without regard to ASCII case, as in the CAD.
  const Layer* findLayer(text::u16view name) const;
  // The existing layer of that name or a new one.
  const Layer& ensureLayer(text::u16view name, int color = 7);

  // Gives the entity the next handle (unless it has one) and makes its layer.
  const Entity& add(Entity e);
  const std::vector<Entity>& entities() const { return entities_; }
  Entity* find(text::u16view handle);
  const Entity* find(text::u16view handle) const;
  bool erase(text::u16view handle);

  SystemVariables& variables() { return variables_; }
  const SystemVariables& variables() const { return variables_; }

  std::vector<std::shared_ptr<SelectionSetData>>& selectionSets() { return selectionSets_; }
  std::shared_ptr<SelectionSetData> findSelectionSet(text::u16view name) const;

  text::u16 name = u"Drawing1.dwg";
  int regenerations = 0;

 private:
  std::vector<Layer> layers_;
  std::vector<Entity> entities_;
  std::map<text::u16, std::size_t> byHandle_;
  unsigned nextHandle_ = 0x2F0;
  SystemVariables variables_;
  std::vector<std::shared_ptr<SelectionSetData>> selectionSets_;
};

}  // namespace surva::sim
