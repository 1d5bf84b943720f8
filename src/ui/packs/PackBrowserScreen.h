#pragma once

#include <gtkmm/box.h>
#include <gtkmm/listbox.h>

#include <vector>

#include "core/util/ScopedConnections.h"
#include "ui/packs/PackDetailPanel.h"

namespace ondi {
class PackBrowserSelection;
class PackWorkspaceController;
class RouteNavigation;
}  // namespace ondi

namespace ondi::ui {

class PackListRow;

// The agent packs screen: the audience switch, the audience's packs with the selected one
// highlighted and the active one badged, and the selected pack in full beside them. The stored
// selection is brought up to date each time the screen appears.
class PackBrowserScreen : public Gtk::Box {
 public:
  PackBrowserScreen(PackBrowserSelection& selection, PackWorkspaceController& workspace,
                    RouteNavigation& navigation);

 private:
  Gtk::Widget& header();
  void showPacks();
  void showSelection();
  void showActiveBadges();

  PackBrowserSelection& selection_;
  Gtk::ListBox list_;
  std::vector<PackListRow*> rows_;
  PackDetailPanel detail_;
  bool showingSelection_ = false;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
