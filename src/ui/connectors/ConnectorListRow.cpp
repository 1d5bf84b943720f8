#include "ui/connectors/ConnectorListRow.h"

#include <giomm/menu.h>
#include <giomm/simpleactiongroup.h>
#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/menubutton.h>

#include "core/shell/SymbolIcons.h"
#include "core/workspace/ConnectorDisplay.h"
#include "ui/app/AccessibleName.h"
#include "ui/connectors/ConnectorLogo.h"

namespace ondi::ui {

ConnectorListRow::ConnectorListRow(const ConnectorItem& connector, const ConnectorActions& actions)
    : connector_(connector) {
  const std::string name = "connectors.row." + connector.id;
  set_name(name);
  add_css_class("connector-row");
  setAccessibleName(*this, connector.name + ", " + connector.lastSync);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  content->append(*Gtk::make_managed<ConnectorLogo>(connector, 36));

  auto* texts = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  texts->set_hexpand(true);
  texts->set_valign(Gtk::Align::CENTER);
  auto* title = Gtk::make_managed<Gtk::Label>(connector.name);
  title->add_css_class("connector-row-name");
  title->set_xalign(0);
  title->set_ellipsize(Pango::EllipsizeMode::END);
  texts->append(*title);
  auto* line = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 6);
  auto* dot = Gtk::make_managed<Gtk::Box>();
  dot->add_css_class("connector-state-dot");
  if (connector.isConnected) dot->add_css_class("connected");
  dot->set_valign(Gtk::Align::CENTER);
  hideFromAssistiveTechnology(*dot);
  line->append(*dot);
  auto* status = Gtk::make_managed<Gtk::Label>(connectorDisplayMetadata(connector).description +
                                               " · " + connector.lastSync);
  status->set_name(name + ".status");
  status->add_css_class("caption");
  status->set_xalign(0);
  status->set_ellipsize(Pango::EllipsizeMode::END);
  line->append(*status);
  texts->append(*line);
  content->append(*texts);

  action_ = Gtk::make_managed<Gtk::Button>(connector.isConnected ? "Manage" : "Connect");
  Gtk::Button* action = action_;
  action->set_name(name + ".action");
  action->set_valign(Gtk::Align::CENTER);
  action->set_tooltip_text(connector.isConnected ? "Manage connector" : "Connect tool");
  setAccessibleName(*action, (connector.isConnected ? "Manage " : "Connect ") + connector.name);
  if (!connector.isConnected) action->add_css_class("suggested-action");
  action->signal_clicked().connect([this, toggle = actions.toggle] { toggle(connector_); });
  content->append(*action);

  auto group = Gio::SimpleActionGroup::create();
  group->add_action("details", [this, show = actions.showDetails] { show(connector_); });
  group->add_action("toggle", [this, toggle = actions.toggle] { toggle(connector_); });
  insert_action_group("connector", group);
  auto menu = Gio::Menu::create();
  menu->append("Connector details", "connector.details");
  menu->append(connector.isConnected ? "Manage connection" : "Connect", "connector.toggle");
  auto* more = Gtk::make_managed<Gtk::MenuButton>();
  more->set_name(name + ".menu");
  more->set_icon_name(iconName("ellipsis"));
  more->set_menu_model(menu);
  more->set_has_frame(false);
  more->set_valign(Gtk::Align::CENTER);
  more->set_tooltip_text("More for " + connector.name);
  setAccessibleName(*more, "More for " + connector.name);
  content->append(*more);

  set_child(*content);
  set_activatable(true);
}

void ConnectorListRow::setBusy(bool busy) {
  action_->set_sensitive(connector_.isConnected || !busy);
}

}  // namespace ondi::ui
