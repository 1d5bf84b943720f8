#include "ui/connectors/ConnectorLogo.h"

#include <gtkmm/image.h>
#include <gtkmm/label.h>

#include <map>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

// The apps whose marks are drawn: the letter or sign each is known by. Their colours are the
// `logo-<id>` rules of the connectors stylesheet.
const std::map<std::string, std::string>& knownMarks() {
  static const std::map<std::string, std::string> marks{
      {"gmail", "M"}, {"slack", "#"},   {"github", "</>"}, {"notion", "N"},
      {"figma", "F"}, {"stripe", "S"},  {"shopify", "S"},  {"openai", "AI"},
      {"canva", "C"}, {"hubspot", "H"}, {"airtable", "A"}, {"jira", "J"},
  };
  return marks;
}

}  // namespace

ConnectorLogo::ConnectorLogo(const ConnectorItem& connector, int size) {
  add_css_class("connector-logo");
  set_size_request(size, size);
  set_valign(Gtk::Align::CENTER);
  set_halign(Gtk::Align::CENTER);
  // The mark fills the badge; the badge itself keeps its size in the row.
  set_hexpand(false);
  set_vexpand(false);
  // The mark only decorates: the row or card it sits in is named after the app.
  hideFromAssistiveTechnology(*this);
  const auto mark = knownMarks().find(connector.id);
  if (mark != knownMarks().end()) {
    add_css_class("logo-" + connector.id);
    auto* letter = Gtk::make_managed<Gtk::Label>(mark->second);
    letter->add_css_class("connector-logo-mark");
    letter->set_hexpand(true);
    letter->set_vexpand(true);
    append(*letter);
    return;
  }
  add_css_class("tone-" + rawValue(connector.tone));
  auto* icon = Gtk::make_managed<Gtk::Image>();
  icon->set_from_icon_name(iconName(connector.symbol));
  icon->set_pixel_size(size / 2);
  icon->set_hexpand(true);
  icon->set_vexpand(true);
  append(*icon);
}

}  // namespace ondi::ui
