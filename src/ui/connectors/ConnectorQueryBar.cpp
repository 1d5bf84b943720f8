#include "ui/connectors/ConnectorQueryBar.h"

#include <gtkmm/image.h>
#include <gtkmm/popover.h>

#include "core/shell/SymbolIcons.h"
#include "ui/app/AccessibleName.h"

namespace ondi::ui {
namespace {

constexpr std::array kScopes{ConnectorScope::all, ConnectorScope::velmora,
                             ConnectorScope::workspace, ConnectorScope::personal};
constexpr std::array kFilters{ConnectorFilter::all, ConnectorFilter::connected,
                              ConnectorFilter::available};
constexpr const char* kScopeNames[] = {"all", "velmora", "workspace", "personal"};
constexpr const char* kFilterNames[] = {"all", "connected", "available"};

}  // namespace

ConnectorQueryBar::ConnectorQueryBar() : Gtk::Box(Gtk::Orientation::VERTICAL, 12) {
  search_.set_name("connectors.search");
  // gtkmm 4.8's SearchEntry::set_placeholder_text calls the GtkEntry function, which refuses a
  // search entry; the property is the search entry's own.
  g_object_set(search_.gobj(), "placeholder-text", "Search connectors", nullptr);
  setAccessibleName(search_, "Search connectors");
  search_.signal_search_changed().connect([this] {
    query_.searchText = search_.get_text();
    changed_.emit();
  });
  append(search_);

  auto* controls = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  auto* tabs = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 0);
  tabs->add_css_class("linked");
  tabs->add_css_class("connector-scope-tabs");
  tabs->set_hexpand(true);
  tabs->set_halign(Gtk::Align::START);
  for (std::size_t index = 0; index < kScopes.size(); ++index) {
    Gtk::ToggleButton& tab = scopes_[index];
    tab.set_name(std::string("connectors.scope.") + kScopeNames[index]);
    tab.set_label(displayTitle(kScopes[index]));
    if (index > 0) tab.set_group(scopes_[0]);
    tab.signal_toggled().connect([this, index] {
      if (scopes_[index].get_active()) chooseScope(kScopes[index]);
    });
    tabs->append(tab);
  }
  scopes_[0].set_active(true);
  controls->append(*tabs);

  auto* menu = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  menu->add_css_class("connector-filter-menu");
  for (std::size_t index = 0; index < kFilters.size(); ++index) {
    Gtk::Button& item = filters_[index];
    item.set_name(std::string("connectors.filter.") + kFilterNames[index]);
    item.set_label(displayTitle(kFilters[index]));
    item.add_css_class("flat");
    item.signal_clicked().connect([this, index] {
      filter_.popdown();
      chooseFilter(kFilters[index]);
    });
    menu->append(item);
  }
  auto* popover = Gtk::make_managed<Gtk::Popover>();
  popover->set_child(*menu);
  auto* filterContent = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 6);
  auto* filterIcon = Gtk::make_managed<Gtk::Image>();
  filterIcon->set_from_icon_name(iconName("line.3.horizontal.decrease"));
  hideFromAssistiveTechnology(*filterIcon);
  filterContent->append(*filterIcon);
  filterContent->append(filterTitle_);
  filter_.set_name("connectors.filter");
  filter_.set_child(*filterContent);
  filter_.set_popover(*popover);
  filter_.set_tooltip_text("Filter connectors");
  setAccessibleName(filter_, "Filter connectors");
  controls->append(filter_);
  append(*controls);
  chooseFilter(ConnectorFilter::all);
}

void ConnectorQueryBar::clearSearch() {
  search_.set_text("");
  query_.searchText.clear();
  changed_.emit();
}

void ConnectorQueryBar::showAll() {
  scopes_[0].set_active(true);
  chooseFilter(ConnectorFilter::all);
}

void ConnectorQueryBar::chooseScope(ConnectorScope scope) {
  if (query_.scope == scope) return;
  query_.scope = scope;
  changed_.emit();
}

// The menu's button names the filter in force, and the chosen entry is marked.
void ConnectorQueryBar::chooseFilter(ConnectorFilter filter) {
  filterTitle_.set_text(displayTitle(filter));
  for (std::size_t index = 0; index < kFilters.size(); ++index) {
    if (kFilters[index] == filter) {
      filters_[index].add_css_class("selected");
    } else {
      filters_[index].remove_css_class("selected");
    }
  }
  if (query_.filter == filter) return;
  query_.filter = filter;
  changed_.emit();
}

}  // namespace ondi::ui
