#pragma once

#include <gtkmm/stack.h>

#include "core/shell/ShellScreen.h"
#include "core/util/ScopedConnections.h"
#include "ui/account/AccountGate.h"
#include "ui/browser/BrowserWorkspace.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The content area: the account gate until the account is confirmed, then the current route's
// screen. It owns the surface's and the in-app browser's pages for the window's life, so a
// change of layout moves it, with its web views, into the new layout.
class RoutedContent : public Gtk::Stack {
 public:
  explicit RoutedContent(DesktopBrowserModel& model);

  ShellScreen shownScreen() const { return shown_; }

 private:
  void showScreen();

  DesktopBrowserModel& model_;
  BrowserWorkspace browser_;
  AccountGate gate_;
  ShellScreen shown_ = ShellScreen::accountGate;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
