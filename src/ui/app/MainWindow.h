#pragma once

#include <giomm/menumodel.h>
#include <gtkmm/applicationwindow.h>
#include <gtkmm/box.h>
#include <gtkmm/headerbar.h>
#include <gtkmm/label.h>
#include <gtkmm/menubutton.h>
#include <gtkmm/stack.h>

#include <vector>

#include "core/util/ScopedConnections.h"
#include "ui/account/AccountActionBanner.h"
#include "ui/account/AccountGate.h"
#include "ui/account/AuthenticationWindow.h"
#include "ui/browser/BrowserWorkspace.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The one main window: the header bar with the command menu, and the current route's
// screen — the agent surface, the in-app browser, or a native screen — or, until the
// account is confirmed, the account gate in its place. It also presents the account sheet.
class MainWindow : public Gtk::ApplicationWindow {
 public:
  MainWindow(DesktopBrowserModel& model, const Glib::RefPtr<Gio::MenuModel>& menu);

 private:
  void showRoute();

  DesktopBrowserModel& model_;
  Gtk::HeaderBar header_;
  Gtk::MenuButton menuButton_;
  Gtk::Box content_{Gtk::Orientation::VERTICAL};
  AccountActionBanner accountActionBanner_;
  Gtk::Stack stack_;
  BrowserWorkspace browser_;
  Gtk::Label screenTitle_;
  AccountGate gate_;
  AuthenticationWindow authenticationWindow_;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
