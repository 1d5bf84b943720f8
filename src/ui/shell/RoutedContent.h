#pragma once

#include <gtkmm/overlay.h>
#include <gtkmm/paned.h>
#include <gtkmm/stack.h>

#include "core/shell/ShellScreen.h"
#include "core/util/ScopedConnections.h"
#include "ui/account/AccountGate.h"
#include "ui/packs/PackWorkspaceScreen.h"
#include "ui/shell/BrowserPane.h"
#include "ui/voice/HuddleScreen.h"

namespace ondi {
class DesktopBrowserModel;
}

namespace ondi::ui {

// The content area: the account gate until the account is confirmed, then the current route's
// screen. It owns the surface's and the in-app browser's pages for the window's life, so a
// change of layout moves it, with its web views, into the new layout. The browser fills the
// area, or, beside the task, shares it with the agent page.
class RoutedContent : public Gtk::Paned {
 public:
  explicit RoutedContent(DesktopBrowserModel& model);

  ShellScreen shownScreen() const { return shown_; }
  // The screens other than the browser; hidden while the browser fills the content.
  Gtk::Stack& screens() { return screens_; }
  void setBrowserBesideTask(bool beside);

 private:
  void showScreen();

  DesktopBrowserModel& model_;
  Gtk::Stack screens_;
  BrowserPane browser_;
  AccountGate gate_;
  PackWorkspaceScreen packWorkspace_;
  // The huddle covers the agent page, which keeps running the voice console beneath it.
  Gtk::Overlay surfacePage_;
  HuddleScreen huddle_;
  bool browserBesideTask_ = false;
  ShellScreen shown_ = ShellScreen::accountGate;
  ScopedConnections connections_;
};

}  // namespace ondi::ui
