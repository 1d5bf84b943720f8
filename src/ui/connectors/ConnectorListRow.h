#pragma once

#include <gtkmm/button.h>
#include <gtkmm/listboxrow.h>

#include <functional>

#include "core/workspace/OperationsRecords.h"

namespace ondi::ui {

// What a connector's controls ask for: its details sheet, or connecting (managing, once
// connected) the app.
struct ConnectorActions {
  std::function<void(const ConnectorItem&)> showDetails;
  std::function<void(const ConnectorItem&)> toggle;
};

// One connector of a section: its logo, name, use and status line, the "Connect" or "Manage"
// button and a menu with its details; its list shows the details when it is activated.
class ConnectorListRow : public Gtk::ListBoxRow {
 public:
  ConnectorListRow(const ConnectorItem& connector, const ConnectorActions& actions);

  const ConnectorItem& connector() const { return connector_; }
  // Disables "Connect" while an authorization is starting.
  void setBusy(bool busy);

 private:
  ConnectorItem connector_;
  Gtk::Button* action_ = nullptr;
};

}  // namespace ondi::ui
