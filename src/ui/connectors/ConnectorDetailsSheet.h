#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/window.h>

#include <string>

#include "core/util/ScopedConnections.h"

namespace ondi {
class WorkspaceStore;
}

namespace ondi::ui {

// One labelled value of the details sheet.
class ConnectorDetailRow : public Gtk::Box {
 public:
  ConnectorDetailRow(const std::string& name, const std::string& title);
  void setValue(const std::string& value) { value_.set_text(value); }

 private:
  Gtk::Label value_;
};

// "Connector details": the status, category, last sync and access of one connector, as the
// store lists it now, with the button that connects it (or manages it once connected).
class ConnectorDetailsSheet : public Gtk::Window {
 public:
  explicit ConnectorDetailsSheet(WorkspaceStore& store);

  // Shows the connector with this id over `parent`.
  void present(const std::string& connectorID, Gtk::Window& parent);

 private:
  void update();

  WorkspaceStore& store_;
  std::string connectorID_;
  Gtk::Label name_;
  ConnectorDetailRow status_{"connector-details.status", "Status"};
  ConnectorDetailRow category_{"connector-details.category", "Category"};
  ConnectorDetailRow lastSync_{"connector-details.last-sync", "Last sync"};
  ConnectorDetailRow access_{"connector-details.access", "Access"};
  Gtk::Box logo_;
  Gtk::Button toggle_;
  Gtk::Button close_{"Close"};
  ScopedConnections connections_;
};

}  // namespace ondi::ui
