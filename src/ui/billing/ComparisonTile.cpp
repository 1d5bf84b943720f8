#include "ui/billing/ComparisonTile.h"

#include <gtkmm/label.h>

#include "ui/billing/BillingStyle.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {

ComparisonTile::ComparisonTile(const std::string& name, const std::string& title,
                               const std::string& text, AccentTone tone)
    : Gtk::Box(Gtk::Orientation::VERTICAL, 8) {
  installBillingStyle();
  set_name(name);
  applyPanelStyle(*this, 12, false);

  auto* bar = Gtk::make_managed<Gtk::Box>();
  bar->add_css_class("ondi-accent-bar");
  bar->add_css_class(toneClass(tone));
  append(*bar);
  auto* heading = Gtk::make_managed<Gtk::Label>(title);
  heading->set_xalign(0);
  heading->add_css_class("heading");
  append(*heading);
  auto* detail = Gtk::make_managed<Gtk::Label>(text);
  detail->set_xalign(0);
  detail->set_wrap(true);
  detail->set_max_width_chars(1);  // wraps to the tile's width
  detail->set_hexpand(true);
  detail->add_css_class("dim-label");
  append(*detail);
}

}  // namespace ondi::ui
