#include "sim/drawing.h"

#include <cstdio>

namespace surva::sim {

Drawing::Drawing() { layers_.push_back({u"0", 7}); }

const Layer* Drawing::findLayer(text::u16view name) const {
  for (const auto& l : layers_)
    if (text::equalsIgnoreAsciiCase(l.name, name)) return &l;
  return nullptr;
}

const Layer& Drawing::ensureLayer(text::u16view name, int color) {
  if (const Layer* l = findLayer(name)) return *l;
  layers_.push_back({text::u16(name), color});
  return layers_.back();
}

const Entity& Drawing::add(Entity e) {
  if (e.handle.empty()) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", nextHandle_++);
    e.handle = text::ascii(buf);
  }
  if (e.layer.empty()) e.layer.push_back(u'0');
  // The entity takes the layer's own spelling, as the CAD files it.
  e.layer = ensureLayer(e.layer).name;
  byHandle_[text::upperAscii(e.handle)] = entities_.size();
  entities_.push_back(std::move(e));
  return entities_.back();
}

Entity* Drawing::find(text::u16view handle) {
  auto it = byHandle_.find(text::upperAscii(handle));
  return it == byHandle_.end() ? nullptr : &entities_[it->second];
}

const Entity* Drawing::find(text::u16view handle) const {
  auto it = byHandle_.find(text::upperAscii(handle));
  return it == byHandle_.end() ? nullptr : &entities_[it->second];
}

bool Drawing::erase(text::u16view handle) {
  auto it = byHandle_.find(text::upperAscii(handle));
  if (it == byHandle_.end()) return false;
  entities_.erase(entities_.begin() + static_cast<std::ptrdiff_t>(it->second));
  byHandle_.clear();
  for (std::size_t i = 0; i < entities_.size(); ++i) byHandle_[text::upperAscii(entities_[i].handle)] = i;
  return true;
}

std::shared_ptr<SelectionSetData> Drawing::findSelectionSet(text::u16view name) const {
  for (const auto& s : selectionSets_)
    if (!s->deleted && text::equalsIgnoreAsciiCase(s->name, name)) return s;
  return nullptr;
}

}  // namespace surva::sim
