#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/label.h>
#include <gtkmm/spinner.h>

#include <vector>

#include "core/util/ScopedConnections.h"
#include "ui/connectors/AddConnectorSheet.h"
#include "ui/connectors/ConnectorDetailsSheet.h"
#include "ui/connectors/ConnectorListRow.h"
#include "ui/connectors/ConnectorQueryBar.h"

namespace ondi {
class WorkspaceStore;
}

namespace ondi::ui {

// The connectors screen: the store's connectors in titled sections, narrowed by the query bar,
// with a featured rail, the broker's state in one line, and the details and add sheets. It
// refreshes the list each time it is shown, so coming back from an authorization tab shows the
// app's new state.
class ConnectorsWorkspaceView : public Gtk::Box {
 public:
  explicit ConnectorsWorkspaceView(WorkspaceStore& store);

 private:
  Gtk::Widget& header();
  void rebuild();
  void markBusy();
  Gtk::Widget& featuredCard(const ConnectorItem& connector);
  Gtk::Widget& section(const ConnectorSection& section);
  Gtk::Widget& emptyState();
  void showDetails(const ConnectorItem& connector);
  void showAddSheet();
  Gtk::Window* window();

  WorkspaceStore& store_;
  ConnectorActions actions_;
  Gtk::Label status_;
  Gtk::Spinner spinner_;
  ConnectorQueryBar queryBar_;
  Gtk::Box listing_{Gtk::Orientation::VERTICAL, 20};
  std::vector<ConnectorListRow*> rows_;
  ConnectorDetailsSheet details_;
  AddConnectorSheet addSheet_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
