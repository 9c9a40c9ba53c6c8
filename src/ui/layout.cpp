#include "ui/layout.h"

#include "ui/controls.h"

namespace surva::ui {

namespace {

Control& createOf(Form& form, Kind kind, text::u16 name, Control* parent) {
  switch (kind) {
    case Kind::PageControl: return form.create<PageControl>(std::move(name), parent);
    case Kind::TabSheet: return form.create<TabSheet>(std::move(name), parent);
    case Kind::GroupBox: return form.create<GroupBox>(std::move(name), parent);
    case Kind::Panel: return form.create<Panel>(std::move(name), parent);
    case Kind::Label: return form.create<Label>(std::move(name), parent);
    case Kind::Image: return form.create<Image>(std::move(name), parent);
    case Kind::Edit: return form.create<Edit>(std::move(name), parent);
    case Kind::UpDown: return form.create<UpDown>(std::move(name), parent);
    case Kind::CheckBox: return form.create<CheckBox>(std::move(name), parent);
    case Kind::Button: return form.create<Button>(std::move(name), parent);
    case Kind::SpeedButton: return form.create<SpeedButton>(std::move(name), parent);
    case Kind::ListBox: return form.create<ListBox>(std::move(name), parent);
    case Kind::ProgressBar: return form.create<ProgressBar>(std::move(name), parent);
    case Kind::StatusBar: return form.create<StatusBar>(std::move(name), parent);
    case Kind::PopupMenu: return form.create<PopupMenu>(std::move(name), parent);
    case Kind::MenuItem: return form.create<MenuItem>(std::move(name), parent);
    case Kind::StringGrid: return form.create<StringGrid>(std::move(name), parent);
    case Kind::Form: break;
  }
  throw std::logic_error("a layout row cannot create a form");
}

Control* lookUp(Form& form, const char16_t* name, const char* what) {
  if (!name) return nullptr;
  Control* c = form.find(name);
  if (!c) throw std::logic_error(std::string(what) + " " + text::toUtf8(name) + " is not an earlier row of the layout");
  return c;
}

void apply(Form& form, Control& c, const ControlSpec& entry) {
  const ControlProps& p = entry.props;
  c.setBounds(entry.bounds);
  c.setText(entry.text ? entry.text : u"");
  if (p.hint) c.setHint(p.hint);
  if (p.fontName || p.fontSize || p.bold || p.hasFontColor) {
    Font f;
    if (p.fontName) f.name = p.fontName;
    f.sizePx = p.fontSize;
    f.bold = p.bold;
    f.hasColor = p.hasFontColor;
    f.color = p.fontColor;
    c.setFont(f);
  }
  if (p.hasColor) c.setColor(p.color);
  c.setEnabled(p.enabled);
  c.setVisible(p.visible);
  c.setTabStop(p.tabStop);
  switch (entry.kind) {
    case Kind::Edit: {
      auto& e = static_cast<Edit&>(c);
      e.setReadOnly(p.readOnly);
      e.setImeOff(p.imeOff);
      e.setAlignment(p.align);
      break;
    }
    case Kind::Label: static_cast<Label&>(c).setAlignment(p.align); break;
    case Kind::CheckBox: static_cast<CheckBox&>(c).setChecked(p.checked); break;
    case Kind::UpDown: {
      auto& u = static_cast<UpDown&>(c);
      u.setRange(p.min, p.max);
      u.setPosition(p.position);
      u.setOrientation(p.horizontal ? Orientation::Horizontal : Orientation::Vertical);
      if (Control* buddy = lookUp(form, p.associate, "buddy")) {
        auto* e = dynamic_cast<Edit*>(buddy);
        if (!e) throw std::logic_error("buddy " + text::toUtf8(buddy->name()) + " is not an edit");
        u.setAssociate(e);
      }
      break;
    }
    case Kind::ProgressBar: {
      auto& b = static_cast<ProgressBar&>(c);
      b.setRange(p.min, p.max);
      b.setPosition(p.position);
      break;
    }
    case Kind::StatusBar: {
      std::vector<StatusPanel> panels;
      for (int w : p.panels)
        if (w > 0) panels.push_back({w, {}});
      static_cast<StatusBar&>(c).setPanels(std::move(panels));
      break;
    }
    case Kind::StringGrid: {
      auto& g = static_cast<StringGrid&>(c);
      g.cells().setColCount(p.cols);
      g.cells().setRowCount(p.rows);
      g.setDefaultColWidth(p.colWidth);
      g.setDefaultRowHeight(p.rowHeight);
      g.setOptions(p.grid);
      g.setScrollBars(p.scrollBars);
      if (Control* m = lookUp(form, p.popupMenu, "pop-up menu")) {
        auto* menu = dynamic_cast<PopupMenu*>(m);
        if (!menu) throw std::logic_error(text::toUtf8(m->name()) + " is not a pop-up menu");
        g.setPopupMenu(menu);
      }
      break;
    }
    case Kind::Button:
    case Kind::SpeedButton: {
      auto& b = static_cast<Button&>(c);
      b.setModalResult(p.modalResult);
      b.setDefault(p.isDefault);
      break;
    }
    case Kind::Panel: static_cast<Panel&>(c).setBevels(p.bevelInner, p.bevelOuter); break;
    case Kind::Image: static_cast<Image&>(c).setStretch(p.stretch); break;
    default: break;
  }
}

}  // namespace

void buildForm(Form& form, std::span<const ControlSpec> layout) {
  for (const ControlSpec& entry : layout) {
    if (form.find(entry.name)) throw std::logic_error("control " + text::toUtf8(entry.name) + " appears twice");
    Control* parent = lookUp(form, entry.parent, "parent");
    Control& c = createOf(form, entry.kind, entry.name, parent);
    apply(form, c, entry);
  }
}

}  // namespace surva::ui
