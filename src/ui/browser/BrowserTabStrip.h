#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/scrolledwindow.h>

#include <vector>

#include "core/util/ScopedConnections.h"

namespace ondi {
class BrowserWorkspaceController;
}

namespace ondi::ui {

class BrowserTabPill;

// One pill per tab, in tab order with the selected one highlighted, and a "New tab" button.
class BrowserTabStrip : public Gtk::Box {
 public:
  explicit BrowserTabStrip(BrowserWorkspaceController& browser);

 private:
  void showTabs();

  BrowserWorkspaceController& browser_;
  Gtk::ScrolledWindow scroller_;
  Gtk::Box pills_{Gtk::Orientation::HORIZONTAL, 6};
  // Every pill made so far; those past the number of tabs are hidden.
  std::vector<BrowserTabPill*> pillWidgets_;
  Gtk::Button newTab_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
