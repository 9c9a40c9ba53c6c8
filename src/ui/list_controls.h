#pragma once
// A list box, a progress bar and a status bar with panels.
#include <vector>

#include "ui/control.h"

namespace surva::ui {

class ListBox : public Control {
 public:
  explicit ListBox(text::u16 name) : Control(Kind::ListBox, std::move(name)) {}
  const std::vector<text::u16>& items() const { return items_; }
  void setItems(std::vector<text::u16> items);
  void addItem(text::u16 item);
  void deleteItem(int index);
  void setItem(int index, text::u16 item);
  // -1 when nothing is selected. Raises onChange when it changes.
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  Handler onChange;
  // The user clicked an item (or -1 for empty space): selects it, raises
  // onClick; a double click raises onDoubleClick after that.
  void click(int index);
  void doubleClick(int index);
  Handler onClick;
  Handler onDoubleClick;

 private:
  std::vector<text::u16> items_;
  int itemIndex_ = -1;
};

class ProgressBar : public Control {
 public:
  explicit ProgressBar(text::u16 name) : Control(Kind::ProgressBar, std::move(name)) {}
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  void setRange(int min, int max);
  void setPosition(int p);  // clamped to the range

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

struct StatusPanel {
  int width = 50;
  text::u16 text;
};

class StatusBar : public Control {
 public:
  explicit StatusBar(text::u16 name) : Control(Kind::StatusBar, std::move(name)) {}
  const std::vector<StatusPanel>& panels() const { return panels_; }
  void setPanels(std::vector<StatusPanel> panels);
  // Empty text for a panel that does not exist; writing one is ignored.
  const text::u16& panelText(int index) const;
  void setPanelText(int index, text::u16 value);

 private:
  std::vector<StatusPanel> panels_;
};

}  // namespace surva::ui
