#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/window.h>

#include <vector>

#include "core/util/ScopedConnections.h"

namespace ondi {
class WorkspaceStore;
}

namespace ondi::ui {

// The add sheet: the connectors not connected yet, each with its "Connect" button, or a note
// that every connector is active.
class AddConnectorSheet : public Gtk::Window {
 public:
  explicit AddConnectorSheet(WorkspaceStore& store);

  void present(Gtk::Window& parent);

 private:
  void update();
  void markBusy();

  WorkspaceStore& store_;
  Gtk::Box list_{Gtk::Orientation::VERTICAL, 0};
  Gtk::Button close_;
  std::vector<Gtk::Button*> connectButtons_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
