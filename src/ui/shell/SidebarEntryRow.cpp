#include "ui/shell/SidebarEntryRow.h"

#include <gtkmm/box.h>
#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {

SidebarEntryRow::SidebarEntryRow(const SidebarEntry& entry) : entry_(entry) {
  set_name(entry.identifier);
  setAccessibleName(*this, entry.title + ", " + entry.subtitle);
  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 10);
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(entry.symbol));
  hideFromAssistiveTechnology(*icon);
  icon->set_valign(Gtk::Align::CENTER);
  content->append(*icon);
  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL);
  auto* title = Gtk::make_managed<Gtk::Label>(entry.title);
  title->set_xalign(0);
  auto* subtitle = Gtk::make_managed<Gtk::Label>(entry.subtitle);
  subtitle->set_xalign(0);
  subtitle->add_css_class("caption");
  texts->append(*title);
  texts->append(*subtitle);
  content->append(*texts);
  set_child(*content);
}

}  // namespace ondi::ui
