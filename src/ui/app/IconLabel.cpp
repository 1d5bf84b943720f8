#include "ui/app/IconLabel.h"

#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

void setIconAndLabel(Gtk::Button& button, const std::string& symbol, const std::string& label) {
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(symbol));
  hideFromAssistiveTechnology(*icon);
  content->append(*icon);
  auto* text = Gtk::make_managed<Gtk::Label>(label);
  text->set_xalign(0);
  text->set_ellipsize(Pango::EllipsizeMode::END);
  content->append(*text);
  button.set_child(*content);
  setAccessibleName(button, label);
}

void styleIconButton(Gtk::Button& button, const std::string& name, const std::string& symbol,
                     const std::string& accessibleName, const std::string& tooltip) {
  button.set_name(name);
  button.set_icon_name(iconName(symbol));
  button.add_css_class("flat");
  button.set_tooltip_text(tooltip.empty() ? accessibleName : tooltip);
  setAccessibleName(button, accessibleName);
}

}  // namespace ondi::ui
