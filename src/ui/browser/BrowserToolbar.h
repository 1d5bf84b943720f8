#pragma once

#include <gtkmm/box.h>
#include <gtkmm/button.h>
#include <gtkmm/entry.h>
#include <gtkmm/menubutton.h>

#include <vector>

#include "core/util/ScopedConnections.h"

namespace ondi {
class BrowserWorkspaceController;
class Navigator;
class PageHandoff;
}  // namespace ondi

namespace ondi::ui {

// The in-app browser's toolbar: back, forward, reload, Gmail, the address field with its go
// button, and the menu that hands the page to another browser.
class BrowserToolbar : public Gtk::Box {
 public:
  BrowserToolbar(BrowserWorkspaceController& browser, Navigator& navigator, PageHandoff& handoff);

 private:
  void showNavigationState();
  void showAddress();
  void submitAddress();

  BrowserWorkspaceController& browser_;
  Navigator& navigator_;
  PageHandoff& handoff_;
  Gtk::Button back_;
  Gtk::Button forward_;
  Gtk::Button reload_;
  Gtk::Button gmail_;
  Gtk::Entry address_;
  Gtk::Button go_;
  Gtk::MenuButton openElsewhere_;
  // Whether the address field holds text the user typed and has not submitted.
  bool editingAddress_ = false;
  bool showingAddress_ = false;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
