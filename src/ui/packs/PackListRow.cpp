#include "ui/packs/PackListRow.h"

#include <gtkmm/box.h>
#include <gtkmm/image.h>

#include "core/packs/AgentPack.h"
#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

PackListRow::PackListRow(const AgentUseCasePack& pack) : packID_(pack.id) {
  set_name("packs.row." + pack.id);
  setAccessibleName(*this, "Open the " + pack.title + " pack");

  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(pack.symbol));
  icon->set_pixel_size(20);
  icon->set_valign(Gtk::Align::START);
  icon->set_margin_top(2);
  hideFromAssistiveTechnology(*icon);

  auto* title = Gtk::make_managed<Gtk::Label>(pack.title);
  title->add_css_class("heading");
  title->set_xalign(0);
  title->set_wrap(true);
  auto* subtitle = Gtk::make_managed<Gtk::Label>(pack.subtitle);
  subtitle->add_css_class("dim-label");
  subtitle->add_css_class("packs-caption");
  subtitle->set_xalign(0);
  subtitle->set_wrap(true);
  badge_.set_name("packs.row." + pack.id + ".active");
  badge_.add_css_class("packs-badge");
  badge_.set_halign(Gtk::Align::START);
  badge_.set_margin_top(2);
  badge_.set_visible(false);

  auto* text = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  text->set_hexpand(true);
  text->append(*title);
  text->append(*subtitle);
  text->append(badge_);
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  content->append(*icon);
  content->append(*text);
  set_child(*content);
}

}  // namespace ondi::ui
