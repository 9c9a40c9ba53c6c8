#include "ui/list_controls.h"

#include <algorithm>

namespace surva::ui {

void ListBox::setItems(std::vector<text::u16> items) {
  items_ = std::move(items);
  notify(Property::Items);
  if (itemIndex_ >= static_cast<int>(items_.size())) setItemIndex(-1);
}

void ListBox::addItem(text::u16 item) {
  items_.push_back(std::move(item));
  notify(Property::Items);
}

void ListBox::deleteItem(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_.erase(items_.begin() + index);
  notify(Property::Items);
  if (itemIndex_ == index)
    setItemIndex(-1);
  else if (itemIndex_ > index)
    setItemIndex(itemIndex_ - 1);
}

void ListBox::setItem(int index, text::u16 item) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  items_[index] = std::move(item);
  notify(Property::Items);
}

void ListBox::setItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  notify(Property::ItemIndex);
  if (onChange) onChange();
}

void ListBox::click(int index) {
  if (!acceptsInput()) return;
  setItemIndex(index);
  if (onClick) onClick();
}

void ListBox::doubleClick(int index) {
  if (!acceptsInput()) return;
  click(index);
  if (onDoubleClick) onDoubleClick();
}

void ProgressBar::setRange(int min, int max) {
  if (max < min) std::swap(min, max);
  min_ = min;
  max_ = max;
  notify(Property::Range);
  setPosition(position_);
}

void ProgressBar::setPosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return;
  position_ = p;
  notify(Property::Position);
}

void StatusBar::setPanels(std::vector<StatusPanel> panels) {
  panels_ = std::move(panels);
  notify(Property::Items);
}

const text::u16& StatusBar::panelText(int index) const {
  static const text::u16 empty;
  if (index < 0 || index >= static_cast<int>(panels_.size())) return empty;
  return panels_[index].text;
}

void StatusBar::setPanelText(int index, text::u16 value) {
  if (index < 0 || index >= static_cast<int>(panels_.size())) return;
  if (panels_[index].text == value) return;
  panels_[index].text = std::move(value);
  notify(Property::Items);
}

}  // namespace surva::ui
