#include "app/target_cad_list.h"

#include <algorithm>

namespace surva::app {

using text::u16;
using text::u16view;

void TargetCadList::show(u16view targetProgId) {
  auto file = readTargetCadFile(fs_, codec_, path_);
  if (!file) return;
  encoding = file->encoding;
  state.entries = std::move(file->lines);
  sortTargetCadLines(state.entries);
  state.selected = -1;
  for (std::size_t i = 0; i < state.entries.size(); ++i) {
    if (targetCadTabBefore(state.entries[i], targetProgId)) {
      state.selected = static_cast<int>(i);
      fillFields(state);
      break;
    }
  }
}

void TargetCadList::fillFields(TargetCadListState& s) const {
  if (s.selected < 0 || s.selected >= static_cast<int>(s.entries.size())) return;
  auto entry = splitTargetCadLine(s.entries[static_cast<std::size_t>(s.selected)]);
  s.name = std::move(entry.name);
  s.progId = std::move(entry.progId);
}

void TargetCadList::select(int index) {
  if (index < 0 || index >= static_cast<int>(state.entries.size())) return;
  state.selected = index;
  fillFields(state);
}

void TargetCadList::commit(TargetCadListState next) {
  encoding = writeTargetCadFile(fs_, codec_, path_, TargetCadFile{next.entries, encoding});
  state = std::move(next);
}

void TargetCadList::add() {
  TargetCadListState next = state;
  u16 line = joinTargetCadLine(next.name, next.progId);
  // After any equal lines, as a sorted list box inserts.
  auto at = std::upper_bound(next.entries.begin(), next.entries.end(), line);
  next.entries.insert(at, line);
  next.selected = -1;
  for (std::size_t i = 0; i < next.entries.size(); ++i) {
    if (text::equalsIgnoreAsciiCase(next.entries[i], line)) {
      next.selected = static_cast<int>(i);
      break;
    }
  }
  fillFields(next);
  commit(std::move(next));
}

void TargetCadList::remove() {
  if (state.selected < 0 || state.selected >= static_cast<int>(state.entries.size())) {
    state.name.clear();
    state.progId.clear();
    return;
  }
  TargetCadListState next = state;
  int at = next.selected;
  next.entries.erase(next.entries.begin() + at);
  next.name.clear();
  next.progId.clear();
  int count = static_cast<int>(next.entries.size());
  next.selected = at < count ? at : count - 1;
  fillFields(next);
  commit(std::move(next));
}

void TargetCadList::change() {
  if (state.selected < 0 || state.selected >= static_cast<int>(state.entries.size())) return;
  TargetCadListState next = state;
  next.entries[static_cast<std::size_t>(next.selected)] = joinTargetCadLine(next.name, next.progId);
  commit(std::move(next));
}

}  // namespace surva::app
