#include "ui/shell/UnavailableScreen.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {

UnavailableScreen::UnavailableScreen(const std::string& name, const std::string& title,
                                     const std::string& subtitle, const std::string& symbol)
    : Gtk::Box(Gtk::Orientation::VERTICAL) {
  set_name(name);
  add_css_class("ondi-unavailable");
  set_hexpand(true);
  set_vexpand(true);

  auto* panel = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 10);
  applyPanelStyle(*panel, 14, true);
  panel->set_size_request(420, -1);
  panel->set_halign(Gtk::Align::CENTER);
  panel->set_valign(Gtk::Align::CENTER);
  panel->set_vexpand(true);
  panel->set_margin(24);

  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(symbol));
  hideFromAssistiveTechnology(*icon);
  icon->set_pixel_size(40);
  icon->add_css_class("dim-label");
  panel->append(*icon);

  auto* heading = Gtk::make_managed<Gtk::Label>(title);
  heading->add_css_class("title-1");
  panel->append(*heading);
  auto* caption = Gtk::make_managed<Gtk::Label>(subtitle);
  caption->add_css_class("dim-label");
  panel->append(*caption);
  auto* note = Gtk::make_managed<Gtk::Label>("This screen is not available yet.");
  note->set_name(name + ".note");
  note->set_margin_top(8);
  panel->append(*note);
  append(*panel);
}

}  // namespace ondi::ui
