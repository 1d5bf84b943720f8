#include "ui/connectors/ConnectorDetailsSheet.h"

#include <algorithm>

#include "core/workspace/WorkspaceStore.h"
#include "ui/connectors/ConnectorLogo.h"
#include "ui/theme/PanelClasses.h"

namespace ondi::ui {

ConnectorDetailRow::ConnectorDetailRow(const std::string& name, const std::string& title)
    : Gtk::Box(Gtk::Orientation::HORIZONTAL, 12) {
  set_name(name);
  auto* label = Gtk::make_managed<Gtk::Label>(title);
  label->add_css_class("dim-label");
  label->set_xalign(0);
  label->set_hexpand(true);
  append(*label);
  value_.set_name(name + ".value");
  value_.set_xalign(1);
  value_.set_ellipsize(Pango::EllipsizeMode::END);
  value_.set_max_width_chars(32);
  append(value_);
}

ConnectorDetailsSheet::ConnectorDetailsSheet(WorkspaceStore& store) : store_(store) {
  set_name("connector-details");
  set_title("Connector details");
  set_modal(true);
  set_hide_on_close(true);
  set_default_size(420, -1);
  set_resizable(false);

  auto* content = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 16);
  content->set_margin(20);
  auto* heading = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 12);
  heading->append(logo_);
  auto* titles = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 2);
  auto* title = Gtk::make_managed<Gtk::Label>("Connector details");
  title->add_css_class("caption");
  title->set_xalign(0);
  titles->append(*title);
  name_.set_name("connector-details.name");
  name_.add_css_class("title-3");
  name_.set_xalign(0);
  titles->append(name_);
  heading->append(*titles);
  content->append(*heading);

  auto* rows = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::VERTICAL, 10);
  applyPanelStyle(*rows, 10, false);
  for (ConnectorDetailRow* row : {&status_, &category_, &lastSync_, &access_}) rows->append(*row);
  access_.setValue("Ask first");
  content->append(*rows);

  auto* buttons = Gtk::make_managed<Gtk::Box>(Gtk::Orientation::HORIZONTAL, 8);
  buttons->set_halign(Gtk::Align::END);
  close_.set_name("connector-details.close");
  close_.signal_clicked().connect([this] { set_visible(false); });
  buttons->append(close_);
  toggle_.set_name("connector-details.toggle");
  toggle_.add_css_class("suggested-action");
  toggle_.signal_clicked().connect([this] {
    const auto& connectors = store_.connectors.get();
    const auto found = std::ranges::find(connectors, connectorID_, &ConnectorItem::id);
    set_visible(false);
    if (found != connectors.end()) store_.beginConnectorAuthorization(*found);
  });
  buttons->append(toggle_);
  content->append(*buttons);
  set_child(*content);

  connections_.add(store_.connectors.changed().connect([this](const auto&) { update(); }));
}

void ConnectorDetailsSheet::present(const std::string& connectorID, Gtk::Window& parent) {
  connectorID_ = connectorID;
  set_transient_for(parent);
  update();
  Gtk::Window::present();
}

// Shows the connector as the store lists it now; one the list no longer holds closes the sheet.
void ConnectorDetailsSheet::update() {
  const auto& connectors = store_.connectors.get();
  const auto found = std::ranges::find(connectors, connectorID_, &ConnectorItem::id);
  if (found == connectors.end()) return set_visible(false);
  while (Gtk::Widget* child = logo_.get_first_child()) logo_.remove(*child);
  logo_.append(*Gtk::make_managed<ConnectorLogo>(*found, 44));
  name_.set_text(found->name);
  status_.setValue(found->isConnected ? "Connected" : "Not connected");
  category_.setValue(found->category);
  lastSync_.setValue(found->lastSync);
  toggle_.set_label(found->isConnected ? "Manage connection" : "Connect");
}

}  // namespace ondi::ui
